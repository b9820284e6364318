"""Pictures of the practice program corvelle: its program icon (ICON 128), the four frames of the
typing cursor that stands under the current character during a test (ICON 133 to 136), and the
toolbar strip (BITMAP toolbar: 16 x 15 buttons in toolbar order: open article, save, start test, end
test, help, exit)."""
import math

from PIL import ImageDraw

from .draw import S, canvas, finish, gloss, paste_gradient, save_png, sc, shadow, text

N = 32
TILE = sc(1, 1, 31, 30)
RADIUS = 7 * S

# The default word colours of the practice view: black and blue words alternate.
WORD_1 = (0, 0, 0)
WORD_2 = (0, 0, 255)
CURSOR = (240, 110, 0)


def _program_icon(folder):
    """A card with the two characters of 分词 in the two alternating word colours, the cursor under
    the second one."""
    img = canvas(N, N)
    shadow(img, TILE, RADIUS, (0, S), S, alpha=90)
    paste_gradient(img, TILE, RADIUS, (120, 215, 200), (20, 120, 130), outline=(255, 255, 255, 200), width=S)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(sc(4, 5, 28, 22), radius=2 * S, fill=(255, 255, 255), outline=(10, 90, 100), width=S // 2)
    text(img, sc(10.2, 13.6), '分', 12.5 * S, WORD_1, stroke=S // 3, stroke_fill=WORD_1)
    text(img, sc(21.8, 13.6), '词', 12.5 * S, WORD_2, stroke=S // 3, stroke_fill=WORD_2)
    d.polygon(sc(21.8, 22.5, 17.3, 28.5, 26.3, 28.5), fill=CURSOR, outline=(255, 255, 255), width=S // 2)
    gloss(img, TILE, RADIUS, alpha=50)
    save_png(finish(img, N, N), f'{folder}/icon/128.png')


def _cursor_frame(folder, name, step):
    """One of four frames: an underline and an arrow pointing up at the character above; the arrow
    bobs and the underline breathes, so the eye finds the place at once."""
    phase = step / 4
    lift = (1 - math.cos(phase * 2 * math.pi)) * 2.5
    glow = 0.5 + 0.5 * math.cos(phase * 2 * math.pi)
    img = canvas(N, N)
    d = ImageDraw.Draw(img)
    half = 11 + 2 * glow
    d.rounded_rectangle(sc(16 - half, 1, 16 + half, 4.5), radius=1.5 * S,
                        fill=(255, int(150 + 60 * glow), int(40 * glow)), outline=(200, 80, 0), width=S // 2)
    top = 8 + lift
    d.polygon(sc(16, top, 8, top + 10, 13, top + 10, 13, top + 18, 19, top + 18, 19, top + 10, 24, top + 10),
              fill=CURSOR, outline=(150, 50, 0), width=S // 2)
    d.line(sc(14.5, top + 11, 14.5, top + 16.5), fill=(255, 210, 150), width=S)
    save_png(finish(img, N, N), f'{folder}/icon/{name}.png')


BW, BH = 16, 15   # one toolbar button


def _open(d, x):
    d.polygon(sc(x + 1, 3, x + 6, 3, x + 7, 4.5, x + 14, 4.5, x + 14, 13, x + 1, 13), fill=(230, 170, 40),
              outline=(130, 80, 0), width=S // 2)
    d.rectangle(sc(x + 3.5, 1.5, x + 12.5, 10), fill=(255, 255, 255), outline=(110, 110, 130), width=S // 2)
    for y in (4, 6, 8):
        d.line(sc(x + 5, y, x + 11, y), fill=(60, 90, 200), width=S // 2)
    d.polygon(sc(x + 0.5, 7, x + 13, 7, x + 15.5, 7, x + 14, 13.5, x + 1, 13.5), fill=(255, 205, 70),
              outline=(130, 80, 0), width=S // 2)


def _save(d, x):
    d.rounded_rectangle(sc(x + 1.5, 1.5, x + 14.5, 13.5), radius=S, fill=(50, 90, 190), outline=(20, 40, 110),
                        width=S // 2)
    d.rectangle(sc(x + 4, 1.5, x + 12, 6), fill=(235, 235, 245), outline=(20, 40, 110), width=S // 3)
    d.rectangle(sc(x + 9.5, 2.5, x + 11, 5), fill=(50, 90, 190))
    d.rectangle(sc(x + 3.5, 8.5, x + 12.5, 13.5), fill=(255, 255, 255), outline=(20, 40, 110), width=S // 3)


def _disc(d, x, top, bottom):
    d.ellipse(sc(x + 1.5, 1, x + 14.5, 14), fill=bottom, outline=tuple(c // 2 for c in bottom), width=S // 2)
    d.ellipse(sc(x + 3, 2, x + 13, 8), fill=top)


def _start(d, x):
    _disc(d, x, (120, 220, 120), (30, 150, 50))
    d.polygon(sc(x + 6, 4, x + 12, 7.5, x + 6, 11), fill=(255, 255, 255))


def _end(d, x):
    _disc(d, x, (255, 140, 130), (205, 40, 40))
    d.rectangle(sc(x + 5, 4.5, x + 11, 10.5), fill=(255, 255, 255))


def _help(img, d, x):
    _disc(d, x, (130, 190, 255), (30, 100, 210))
    text(img, sc(x + 8, 7.7), '?', 11 * S, (255, 255, 255), kind='sans')


def _exit(d, x):
    d.rectangle(sc(x + 1.5, 1, x + 9.5, 14), fill=(150, 95, 45), outline=(80, 45, 15), width=S // 2)
    d.polygon(sc(x + 1.5, 1, x + 6, 2.5, x + 6, 14, x + 1.5, 14), fill=(190, 130, 70), outline=(80, 45, 15),
              width=S // 3)
    d.line(sc(x + 7.5, 7.5, x + 13, 7.5), fill=(30, 150, 50), width=2 * S)
    d.polygon(sc(x + 15.5, 7.5, x + 12, 4, x + 12, 11), fill=(30, 150, 50))


def _toolbar(folder):
    img = canvas(BW * 6, BH)
    d = ImageDraw.Draw(img)
    _open(d, 0)
    _save(d, BW)
    _start(d, 2 * BW)
    _end(d, 3 * BW)
    _help(img, d, 4 * BW)
    _exit(d, 5 * BW)
    save_png(finish(img, BW * 6, BH), f'{folder}/bitmap/toolbar.png')


def make(folder):
    _program_icon(folder)
    for step in range(4):
        _cursor_frame(folder, 133 + step, step)
    _toolbar(folder)
