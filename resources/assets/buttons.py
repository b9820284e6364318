"""The four picture buttons of the main window's left panel, each normal and pressed (GIF 101 to 108)."""
from PIL import ImageDraw

from .draw import S, canvas, finish, gloss, paste_gradient, save_gif, sc, shadow, text

W, H = 160, 80
PANEL = (239, 167, 8)   # the orange panel the buttons stand on


def _body(img, pressed, top, bottom):
    """The button's face; pressed: sunk by a few pixels, darker, without its drop shadow."""
    dy = 4 if pressed else 0
    box = sc(6, 5 + dy, W - 6, H - 9 + dy)
    r = 16 * S
    if not pressed:
        shadow(img, box, r, (0, 4 * S), 3 * S, alpha=120)
    if pressed:
        top = tuple(int(c * 0.8) for c in top)
        bottom = tuple(int(c * 0.8) for c in bottom)
    # a pressed button keeps a warm rim so the chosen group stays plain to see
    rim = (255, 232, 110) if pressed else (255, 255, 255, 230)
    paste_gradient(img, box, r, top, bottom, outline=rim, width=3 * S)
    if not pressed:
        gloss(img, box, r, alpha=90)
    return dy


def _keypad(img, dy):
    d = ImageDraw.Draw(img)
    x0, y0, k, gap = 49, 14 + dy / S, 18, 3
    for row, digits in enumerate(('789', '456', '123')):
        for col, digit in enumerate(digits):
            x, y = x0 + col * (k + gap), y0 + row * (k + gap)
            d.rounded_rectangle(sc(x, y + 1, x + k, y + k + 1), radius=4 * S, fill=(0, 60, 110, 120))
            d.rounded_rectangle(sc(x, y, x + k, y + k), radius=4 * S, fill=(255, 255, 255),
                                outline=(30, 90, 150), width=S)
            text(img, sc(x + k / 2, y + k / 2), digit, 13 * S, (30, 70, 130), kind='sans')


def _training(img, dy):
    # a character on a writing grid with a brush beside it
    d = ImageDraw.Draw(img)
    x, y, s = 40, 12 + dy / S, 50
    d.rectangle(sc(x, y, x + s, y + s), fill=(255, 252, 235), outline=(200, 60, 40), width=S)
    for a, b in (((x, y + s / 2), (x + s, y + s / 2)), ((x + s / 2, y), (x + s / 2, y + s))):
        d.line(sc(*a, *b), fill=(230, 150, 130), width=S)
    text(img, sc(x + s / 2, y + s / 2 + 1), '字', 44 * S, (40, 40, 40))
    # brush: handle and tip
    d.line(sc(112, 16 + dy / S, 98, 52 + dy / S), fill=(150, 90, 40), width=6 * S)
    d.polygon(sc(95, 50 + dy / S, 101, 53 + dy / S, 94, 64 + dy / S), fill=(30, 30, 30))


def _test(img, dy):
    # a sheet with a big tick and a stopwatch
    d = ImageDraw.Draw(img)
    y = dy / S
    d.rounded_rectangle(sc(44, 10 + y, 88, 64 + y), radius=3 * S, fill=(255, 255, 255), outline=(90, 90, 140),
                        width=S)
    for i in range(4):
        d.line(sc(51, 20 + y + i * 10, 81, 20 + y + i * 10), fill=(170, 180, 220), width=2 * S)
    d.line(sc(50, 37 + y, 60, 50 + y, 84, 18 + y), fill=(220, 40, 40), width=6 * S, joint='curve')
    cx, cy, r = 104, 44 + y, 15
    d.rectangle(sc(cx - 3, cy - r - 6, cx + 3, cy - r), fill=(80, 80, 90))
    d.ellipse(sc(cx - r, cy - r, cx + r, cy + r), fill=(255, 250, 230), outline=(80, 80, 90), width=3 * S)
    d.line(sc(cx, cy, cx, cy - r + 5), fill=(40, 40, 40), width=2 * S)
    d.line(sc(cx, cy, cx + 8, cy + 4), fill=(220, 40, 40), width=2 * S)


def _exit(img, dy):
    # the power symbol, understood everywhere
    d = ImageDraw.Draw(img)
    cx, cy, r = 80, 36 + dy / S, 20
    d.arc(sc(cx - r, cy - r, cx + r, cy + r), start=-60, end=240, fill=(255, 255, 255), width=6 * S)
    d.line(sc(cx, cy - r - 4, cx, cy + 2), fill=(255, 255, 255), width=6 * S)
    for p in (sc(cx, cy - r - 4), sc(cx, cy + 2)):
        d.ellipse((p[0] - 3 * S, p[1] - 3 * S, p[0] + 3 * S, p[1] + 3 * S), fill=(255, 255, 255))


BUTTONS = [
    # normal id, colours top/bottom, drawing
    (101, (110, 200, 255), (20, 110, 210), _keypad),
    (103, (130, 225, 120), (30, 150, 60), _training),
    (105, (190, 160, 255), (100, 70, 200), _test),
    (107, (255, 130, 120), (200, 40, 40), _exit),
]


def make(root):
    for normal_id, top, bottom, picture in BUTTONS:
        for pressed in (False, True):
            img = canvas(W, H)
            dy = _body(img, pressed, top, bottom)
            picture(img, dy)
            save_gif(finish(img, W, H), f'{root}/gif/{normal_id + int(pressed)}.gif', PANEL)
