"""Larger pictures: the splash, the main window's logo, the About box picture, and the on-screen keypad of
the keypad drill (keys released and pressed, BITMAP 109 to 142; key caps, BITMAP 143 to 158)."""
from PIL import ImageDraw

from .draw import S, canvas, finish, gloss, mixed_text, paste_gradient, save_png, sc, shadow, star_points, text

PRODUCT = 'Talvoren输入法2002简易版'


def _keypad_drawing(img, x, y, k, gap, lit=()):
    """A small numeric keypad at (x, y), keys k wide; keys in lit shine yellow."""
    d = ImageDraw.Draw(img)
    rows = ('789', '456', '123')
    for row, digits in enumerate(rows):
        for col, digit in enumerate(digits):
            kx, ky = x + col * (k + gap), y + row * (k + gap)
            d.rounded_rectangle(sc(kx, ky + 2, kx + k, ky + k + 2), radius=k / 5 * S, fill=(0, 40, 90, 90))
            fill = (255, 236, 120) if digit in lit else (255, 255, 255)
            d.rounded_rectangle(sc(kx, ky, kx + k, ky + k), radius=k / 5 * S, fill=fill, outline=(40, 90, 160),
                                width=max(1, k // 14) * S)
            text(img, sc(kx + k / 2, ky + k / 2 + 1), digit, k * 0.62 * S, (30, 70, 140), kind='sans')
    zy = y + 3 * (k + gap)
    d.rounded_rectangle(sc(x, zy + 2, x + 2 * k + gap, zy + k + 2), radius=k / 5 * S, fill=(0, 40, 90, 90))
    d.rounded_rectangle(sc(x, zy, x + 2 * k + gap, zy + k), radius=k / 5 * S, fill=(255, 255, 255),
                        outline=(40, 90, 160), width=max(1, k // 14) * S)
    text(img, sc(x + k + gap / 2, zy + k / 2 + 1), '0', k * 0.62 * S, (30, 70, 140), kind='sans')


def _sparkles(img, spots):
    d = ImageDraw.Draw(img)
    for x, y, r, colour in spots:
        d.polygon(sc(*[c for p in star_points(x, y, r, r * 0.45) for c in p]), fill=colour)


def _splash(root):
    w, h = 480, 300
    img = canvas(w, h)
    paste_gradient(img, sc(0, 0, w, h), 0, (120, 200, 255), (255, 255, 255))
    _keypad_drawing(img, 40, 60, 40, 8, lit='25')
    # characters that the digits turn into
    for x, y, s, colour, px in ((250, 95, '汉', (230, 60, 60), 90), (350, 110, '字', (40, 140, 70), 76),
                                (425, 70, '词', (40, 100, 220), 54)):
        text(img, sc(x, y), s, px * S, colour, shade=2 * S, stroke=S, stroke_fill=colour)
    d = ImageDraw.Draw(img)
    d.line(sc(190, 150, 215, 130), fill=(255, 160, 0), width=5 * S)
    d.polygon(sc(219, 124, 206, 128, 214, 138), fill=(255, 160, 0))
    text(img, sc(320, 205), 'Talvoren', 54 * S, (20, 60, 140), kind='sans', shade=2 * S)
    mixed_text(img, sc(320, 255), PRODUCT, 24 * S, (60, 60, 80), latin_px=19 * S, stroke=S // 2,
               stroke_fill=(60, 60, 80))
    _sparkles(img, ((230, 40, 9, (255, 200, 40)), (455, 170, 7, (255, 120, 160)), (200, 240, 6, (120, 220, 120))))
    save_png(finish(img, w, h), f'{root}/bitmap/splash.png')


def _logo(root):
    # stands on the main window's white panel while no group is shown
    w, h = 360, 200
    img = canvas(w, h)
    _keypad_drawing(img, 20, 30, 34, 7, lit='7')
    text(img, sc(245, 90), 'Talvoren', 44 * S, (20, 70, 160), kind='sans', shade=2 * S)
    for i, (s, colour) in enumerate((('汉', (230, 60, 60)), ('字', (40, 140, 70)), ('教', (40, 100, 220)),
                                     ('学', (230, 130, 0)))):
        x = 175 + i * 46
        ImageDraw.Draw(img).rounded_rectangle(sc(x - 20, 125, x + 20, 165), radius=6 * S, fill=(255, 250, 235),
                                              outline=colour, width=2 * S)
        text(img, sc(x, 146), s, 32 * S, colour, stroke=S // 2, stroke_fill=colour)
    _sparkles(img, ((160, 40, 8, (255, 200, 40)), (340, 30, 6, (255, 120, 160)), (330, 185, 7, (120, 200, 255))))
    save_png(finish(img, w, h), f'{root}/bitmap/logo.png')


def _about(root):
    n = 96
    img = canvas(n, n)
    box = sc(4, 4, n - 4, n - 5)
    shadow(img, box, 18 * S, (0, 2 * S), 2 * S)
    paste_gradient(img, box, 18 * S, (110, 200, 255), (25, 95, 200), outline=(255, 255, 255), width=2 * S)
    text(img, sc(48, 50), '字', 62 * S, (255, 255, 255), shade=2 * S, stroke=S, stroke_fill=(255, 255, 255))
    _sparkles(img, ((78, 20, 8, (255, 220, 60)),))
    gloss(img, box, 18 * S, alpha=70)
    save_png(finish(img, n, n), f'{root}/bitmap/about.png')


# The on-screen keypad: a key is KEY x KEY pixels with GAP between keys, so the tall "+" and Enter keys
# and the wide 0 line up with the others.
KEY, GAP = 40, 4
KEYS = [('NumLock', 109, 'Num\nLock', 1, 1)] + [(str(n), 109 + 2 * n, str(n), 1, 1) for n in range(1, 10)] + [
    ('/', 129, '/', 1, 1), ('*', 131, '*', 1, 1), ('-', 133, '-', 1, 1), ('+', 135, '+', 1, 2),
    ('Enter', 137, 'Enter', 1, 2), ('.', 139, '.', 1, 1), ('0', 141, '0', 2, 1)]
CAPS = [(str(n), 143 + n) for n in range(10)] + [('/', 153), ('*', 154), ('-', 155), ('+', 156), ('.', 157),
                                                   ('', 158)]


def _key(root, released_id, label, cols, rows):
    w, h = KEY * cols + GAP * (cols - 1), KEY * rows + GAP * (rows - 1)
    for pressed in (False, True):
        img = canvas(w, h)
        dy = 3 if pressed else 0
        box = sc(1, 1 + dy, w - 1, h - 4 + dy)
        if not pressed:
            d = ImageDraw.Draw(img)
            d.rounded_rectangle(sc(1, 4, w - 1, h - 1), radius=6 * S, fill=(110, 110, 125))
        top, bottom = ((255, 226, 110), (245, 170, 30)) if pressed else ((252, 252, 255), (215, 218, 230))
        paste_gradient(img, box, 6 * S, top, bottom, outline=(100, 100, 120), width=S)
        small = '\n' in label or len(label) > 1
        text(img, sc(w / 2, (h - 3) / 2 + dy), label, (10 if small else 20) * S, (40, 40, 60), kind='sans',
             anchor='mm')
        save_png(finish(img, w, h), f'{root}/bitmap/{released_id + int(pressed)}.png')


def _cap(root, cap_id, label):
    w, h = 36, 44
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(sc(1, 4, w - 1, h - 1), radius=6 * S, fill=(40, 80, 150))
    paste_gradient(img, sc(1, 1, w - 1, h - 5), 6 * S, (255, 255, 255), (205, 225, 250), outline=(40, 80, 150),
                   width=S)
    if label:
        text(img, sc(w / 2, (h - 4) / 2), label, 24 * S, (20, 50, 120), kind='sans')
    save_png(finish(img, w, h), f'{root}/bitmap/{cap_id}.png')


def make(root):
    _splash(root)
    _logo(root)
    _about(root)
    for _name, released_id, label, cols, rows in KEYS:
        _key(root, released_id, label, cols, rows)
    for label, cap_id in CAPS:
        _cap(root, cap_id, label)
