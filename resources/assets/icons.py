"""32 x 32 icons: the program's own icon, the main window's lesson and exercise groups, the two hand
pointers and the five frames of the score box's cheering star."""
import math

from PIL import ImageDraw

from .draw import (S, canvas, coloured_glyph, finish, gloss, paste_gradient, save_png, sc, shadow, star_points,
                   text)

N = 32
TILE = sc(1, 1, 31, 30)
RADIUS = 7 * S

GREEN = ((120, 215, 110), (25, 140, 55))      # single characters
BLUE = ((110, 180, 255), (25, 90, 200))       # short codes of words
ORANGE = ((255, 190, 90), (225, 110, 20))     # words of several characters
TEAL = ((100, 220, 220), (10, 140, 160))      # keypad practice
NIGHT = ((60, 70, 150), (15, 20, 70))         # the games
RED = ((255, 140, 140), (205, 45, 60))        # the article test
PAPER = ((255, 253, 240), (245, 232, 200))    # pictures of characters
GOLD = ((255, 210, 90), (225, 125, 10))       # the program itself, in the main window's panel colour


def _tile(colours):
    img = canvas(N, N)
    shadow(img, TILE, RADIUS, (0, S), S, alpha=90)
    paste_gradient(img, TILE, RADIUS, *colours, outline=(255, 255, 255, 200), width=S)
    return img


def _finish_tile(img, name, root):
    gloss(img, TILE, RADIUS, alpha=60)
    save_png(finish(img, N, N), f'{root}/icon/{name}.png')


def _keycap(img, digit, x=21, y=19):
    """A small key cap carrying the number of keys of a short code."""
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(sc(x, y + 1, x + 10, y + 11), radius=2 * S, fill=(0, 0, 0, 110))
    d.rounded_rectangle(sc(x, y, x + 10, y + 10), radius=2 * S, fill=(255, 250, 210), outline=(120, 90, 20),
                        width=S)
    text(img, sc(x + 5, y + 5), digit, 9 * S, (150, 40, 20), kind='sans')


def _glyph_tile(root, name, colours, glyph, digit=None):
    img = _tile(colours)
    if digit is None:
        text(img, sc(16, 15.5), glyph, 25 * S, (255, 255, 255), shade=S, stroke=S // 2, stroke_fill=(255, 255, 255))
    else:
        text(img, sc(13, 13), glyph, 20 * S, (255, 255, 255), shade=S, stroke=S // 2, stroke_fill=(255, 255, 255))
        _keycap(img, digit)
    _finish_tile(img, name, root)


def _word_tile(root, name, numeral):
    """Words of two, three, four or more characters: the number as a big numeral beside 词 on a card."""
    img = _tile(ORANGE)
    text(img, sc(11.5, 12.5), numeral, 18 * S, (255, 255, 255), shade=S, stroke=S // 2, stroke_fill=(255, 255, 255))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(sc(16, 15, 29, 28), radius=2 * S, fill=(255, 255, 255), outline=(190, 80, 0), width=S)
    text(img, sc(22.5, 21.7), '词', 12 * S, (200, 70, 0), stroke=S // 3, stroke_fill=(200, 70, 0))
    _finish_tile(img, name, root)


def _keypad(root, name):
    img = _tile(TEAL)
    d = ImageDraw.Draw(img)
    for row in range(3):
        for col in range(3):
            x, y = 4.5 + col * 8, 4 + row * 8
            d.rounded_rectangle(sc(x, y, x + 7.5, y + 7.5), radius=S, fill=(255, 255, 255), outline=(0, 90, 110),
                                width=S // 2)
            text(img, sc(x + 3.75, y + 3.9), str(7 - 3 * row + col), 7 * S, (0, 60, 90), kind='sans')
    _finish_tile(img, name, root)


def _falling(root, name, items, px, kind):
    """A game: items falling down a night sky, with a few stars."""
    img = _tile(NIGHT)
    d = ImageDraw.Draw(img)
    for x, y in ((6, 7), (25, 5), (22, 24), (8, 25), (15, 4)):
        d.ellipse(sc(x - 0.6, y - 0.6, x + 0.6, y + 0.6), fill=(255, 255, 255, 200))
    for (x, y, s), colour in zip(items, ((255, 230, 80), (120, 255, 160), (255, 150, 200))):
        d.line(sc(x, y - 8, x, y - 4), fill=colour[:3] + (120,), width=S)
        text(img, sc(x, y), s, px * S, colour, kind=kind, stroke=S // 3, stroke_fill=colour)
    _finish_tile(img, name, root)


def _stroke_shapes(root, name):
    """The ten stroke shapes: a character on paper with one stroke marked in red."""
    img = _tile(PAPER)
    coloured_glyph(img, sc(16, 16.5), '永', 24 * S, [(0.2, (225, 25, 25)), (1.0, (40, 40, 40))], vertical=True,
                   stroke=S * 2 // 3)
    _finish_tile(img, name, root)


def _colour_characters(root, name):
    """The code-giving parts of a character in colours."""
    img = _tile(PAPER)
    coloured_glyph(img, sc(16, 16.5), '汉', 24 * S, [(0.38, (230, 40, 40)), (0.7, (30, 110, 230)),
                                                    (1.0, (20, 150, 60))], stroke=S * 2 // 3)
    _finish_tile(img, name, root)


def _article_test(root, name):
    img = _tile(RED)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle(sc(7, 4, 25, 27), radius=S, fill=(255, 255, 255), outline=(150, 30, 40), width=S // 2)
    text(img, sc(16, 12), '测', 12 * S, (60, 60, 60), kind='ming')
    for y in (20, 23.5):
        d.line(sc(10, y, 22, y), fill=(180, 190, 220), width=S)
    d.line(sc(12, 19, 16, 24, 27, 10), fill=(230, 30, 30), width=int(2.5 * S), joint='curve')
    _finish_tile(img, name, root)


def _program(root, name):
    """The program: a character over the keypad keys that begin its code (字 is 30407)."""
    img = _tile(GOLD)
    text(img, sc(16, 11.5), '字', 19 * S, (255, 255, 255), shade=S, stroke=S // 2, stroke_fill=(255, 255, 255))
    d = ImageDraw.Draw(img)
    for i, digit in enumerate('304'):
        x = 4.5 + i * 8
        d.rounded_rectangle(sc(x, 21.5, x + 7, 28.5), radius=S, fill=(0, 0, 0, 90))
        d.rounded_rectangle(sc(x, 20.5, x + 7, 27.5), radius=S, fill=(255, 250, 225), outline=(150, 80, 0),
                            width=S // 2)
        text(img, sc(x + 3.5, 24.1), digit, 7 * S, (150, 40, 20), kind='sans')
    _finish_tile(img, name, root)


def _hand(img, ox=0.0, oy=0.0):
    """A pointing hand whose fingertip is at (ox + 10, oy + 1)."""
    outline, glove = (30, 30, 30), (255, 255, 255)
    body = [(8.5, 3), (9.5, 1), (11.5, 1), (12.5, 3), (12.5, 12), (14, 11), (16, 11.5), (16.5, 13),
            (18, 12.5), (20, 13), (20.5, 14.5), (22, 14), (24, 15), (24.5, 17), (24.5, 23), (22, 28),
            (12, 28), (10, 25), (5, 19), (4.5, 17), (6, 16), (8.5, 18)]
    pts = [(x + ox - 0.5, y + oy) for x, y in body]
    d = ImageDraw.Draw(img)
    d.polygon(sc(*[c for p in pts for c in p]), fill=glove, outline=outline, width=S)
    for x0, y0, y1 in ((12.5, 13, 17), (16.5, 13.5, 17), (20.5, 15, 17.5)):
        d.line(sc(x0 + ox - 0.5, y0 + oy, x0 + ox - 0.5, y1 + oy), fill=outline, width=S)
    d.rounded_rectangle(sc(11.5 + ox, 26 + oy, 23 + ox, 30.5 + oy), radius=S, fill=(240, 140, 20),
                        outline=outline, width=S)


def _pointer(root, name, ripple):
    img = canvas(N, N)
    _hand(img)
    if ripple:
        # rings beside the fingertip: these pictures open with a double-click
        d = ImageDraw.Draw(img)
        for r in (3.5, 6):
            box = sc(10 - r, 3 - r, 10 + r, 3 + r)
            d.arc(box, 140, 220, fill=(30, 120, 230), width=S)
            d.arc(box, -40, 40, fill=(30, 120, 230), width=S)
    save_png(finish(img, N, N), f'{root}/icon/{name}.png')


def _cheer_frame(root, name, step):
    """One of five frames: a smiling star that jumps and waves while sparkles turn round it."""
    phase = step / 5
    lift = math.sin(phase * math.pi) * 3.5
    img = canvas(N, N)
    d = ImageDraw.Draw(img)
    for k in range(4):
        a = phase * 2 * math.pi + k * math.pi / 2
        x, y = 16 + 13 * math.cos(a), 16 + 12 * math.sin(a)
        colour = ((255, 120, 160), (120, 200, 255), (140, 230, 120), (255, 200, 60))[k]
        d.polygon(sc(*[c for p in star_points(x, y, 2.6, 1.0, 4) for c in p]), fill=colour)
    cy = 18 - lift
    arm = math.sin(phase * 2 * math.pi) * 0.5
    for side in (-1, 1):
        hx, hy = 16 + side * 13, cy - 9 + arm * 6 * side
        d.line(sc(16 + side * 7, cy - 1, hx, hy), fill=(230, 150, 0), width=2 * S)
        d.ellipse(sc(hx - 1.6, hy - 1.6, hx + 1.6, hy + 1.6), fill=(255, 220, 60), outline=(230, 150, 0),
                  width=S // 2)
    body = star_points(16, cy, 11, 5.2)
    d.polygon(sc(*[c for p in body for c in p]), fill=(255, 215, 40), outline=(225, 140, 0), width=S)
    d.ellipse(sc(13, cy - 2.5, 14.6, cy - 0.5), fill=(60, 40, 20))
    d.ellipse(sc(17.4, cy - 2.5, 19, cy - 0.5), fill=(60, 40, 20))
    d.chord(sc(13, cy - 1, 19, cy + 4), 0, 180, fill=(200, 60, 40))
    d.ellipse(sc(11, cy + 0.5, 13, cy + 2), fill=(255, 150, 120, 180))
    d.ellipse(sc(19, cy + 0.5, 21, cy + 2), fill=(255, 150, 120, 180))
    save_png(finish(img, N, N), f'{root}/icon/{name}.png')


def _indicator(root, name, step):
    """One of three frames of the article test's position indicator: an arrow under the character,
    pointing up at it, that rises and glows a little in turn."""
    img = canvas(N, N)
    d = ImageDraw.Draw(img)
    rise = (0, 2, 4)[step]
    glow = ((255, 90, 40), (255, 150, 40), (255, 210, 60))[step]
    tip = 3 - rise + 4
    d.ellipse(sc(7, 25 - rise, 25, 31 - rise), fill=glow + (70,))
    arrow = [(16, tip), (28, tip + 13), (20.5, tip + 13), (20.5, tip + 22), (11.5, tip + 22), (11.5, tip + 13),
             (4, tip + 13)]
    d.polygon(sc(*[c for p in arrow for c in p]), fill=glow, outline=(150, 30, 10), width=S)
    save_png(finish(img, N, N), f'{root}/icon/{name}.png')


def make(root):
    _program(root, 1)
    _keypad(root, 101)
    _falling(root, 103, [(8, 21, '3'), (16, 13, '7'), (24, 19, '5')], 11, 'sans')
    _colour_characters(root, 104)
    _stroke_shapes(root, 108)
    _glyph_tile(root, 109, GREEN, '字', '1')
    _glyph_tile(root, 110, BLUE, '词', '2')
    _glyph_tile(root, 111, BLUE, '词', '1')
    _glyph_tile(root, 112, GREEN, '字')
    _glyph_tile(root, 113, GREEN, '字', '2')
    for name, numeral in ((115, '二'), (116, '三'), (117, '四'), (118, '多')):
        _word_tile(root, name, numeral)
    for step in range(5):
        _cheer_frame(root, 119 + step, step)
    _article_test(root, 124)
    _falling(root, 125, [(10, 21, '字'), (22, 13, '词')], 14, 'kai')
    _pointer(root, 127, ripple=False)
    _pointer(root, 128, ripple=True)
    for step in range(3):
        _indicator(root, 129 + step, step)
