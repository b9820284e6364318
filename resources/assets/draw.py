"""Drawing helpers shared by the picture makers: supersampled canvases, fonts, tiles and glyphs."""
import os
import re

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# Everything is drawn this many times larger and scaled down once, which gives smooth edges.
S = 4

ARPHIC = '/usr/share/fonts/truetype/arphic'
DEJAVU_BOLD = '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'


def font(kind, px):
    """kind: 'kai' (brush style, for the lesson glyphs), 'ming' (print style) or 'sans' (digits, Latin)."""
    if kind == 'sans' and os.path.exists(DEJAVU_BOLD):
        return ImageFont.truetype(DEJAVU_BOLD, int(px))
    name = 'uming.ttc' if kind == 'ming' else 'ukai.ttc'
    return ImageFont.truetype(os.path.join(ARPHIC, name), int(px), index=0)  # index 0: the CN face


def canvas(w, h, bg=(0, 0, 0, 0)):
    return Image.new('RGBA', (w * S, h * S), bg)


def finish(img, w, h):
    return img.resize((w, h), Image.LANCZOS)


def sc(*values):
    """Scales picture coordinates to the supersampled canvas."""
    return [v * S for v in values]


def vgradient(w, h, top, bottom):
    """An RGBA image of w x h (canvas pixels) running from colour top to colour bottom."""
    grad = Image.new('RGBA', (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        grad.putpixel((0, y), tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    return grad.resize((w, h))


def rounded_mask(w, h, box, radius):
    mask = Image.new('L', (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=radius, fill=255)
    return mask


def paste_gradient(img, box, radius, top, bottom, outline=None, width=0):
    """A rounded rectangle filled with a vertical gradient (box and radius in canvas pixels)."""
    x0, y0, x1, y1 = [int(v) for v in box]
    grad = vgradient(x1 - x0, y1 - y0, top, bottom)
    mask = rounded_mask(x1 - x0, y1 - y0, (0, 0, x1 - x0 - 1, y1 - y0 - 1), radius)
    img.paste(grad, (x0, y0), mask)
    if outline:
        ImageDraw.Draw(img).rounded_rectangle(box, radius=radius, outline=outline, width=width)


def shadow(img, box, radius, offset, blur, alpha=110):
    """A soft shadow under a rounded rectangle."""
    layer = Image.new('RGBA', img.size, (0, 0, 0, 0))
    x0, y0, x1, y1 = box
    ImageDraw.Draw(layer).rounded_rectangle((x0 + offset[0], y0 + offset[1], x1 + offset[0], y1 + offset[1]),
                                            radius=radius, fill=(0, 0, 0, alpha))
    layer = layer.filter(ImageFilter.GaussianBlur(blur))
    img.alpha_composite(layer)


def gloss(img, box, radius, alpha=70):
    """A white sheen over the upper part of a rounded rectangle."""
    x0, y0, x1, y1 = [int(v) for v in box]
    w, h = x1 - x0, y1 - y0
    sheen = vgradient(w, h // 2, (255, 255, 255), (255, 255, 255))
    fade = Image.new('L', (1, h // 2))
    for y in range(h // 2):
        fade.putpixel((0, y), int(alpha * (1 - y / max(1, h // 2))))
    fade = fade.resize((w, h // 2))
    shape = rounded_mask(w, h, (0, 0, w - 1, h - 1), radius).crop((0, 0, w, h // 2))
    sheen.putalpha(ImageChops.multiply(fade, shape))
    img.alpha_composite(sheen, (x0, y0))


def text(img, xy, s, px, fill, kind='kai', shade=None, anchor='mm', stroke=0, stroke_fill=None):
    """Text centred on xy (canvas pixels); shade draws a soft dark copy under it first."""
    f = font(kind, px)
    if shade:
        layer = Image.new('RGBA', img.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).text((xy[0] + shade, xy[1] + shade), s, font=f, fill=(0, 0, 0, 120), anchor=anchor,
                                   stroke_width=stroke, stroke_fill=(0, 0, 0, 120))
        img.alpha_composite(layer.filter(ImageFilter.GaussianBlur(shade / 2)))
    ImageDraw.Draw(img).text(xy, s, font=f, fill=fill, anchor=anchor, stroke_width=stroke,
                             stroke_fill=stroke_fill)


def mixed_text(img, xy, s, px, fill, kind='kai', latin_px=None, stroke=0, stroke_fill=None):
    """Like text, centred on xy, but Latin letters and digits in the Latin face, so they do not take
    the CJK face's own Latin glyphs (in which 'l' looks like '1')."""
    runs = [(run, 'sans' if run[0].isascii() else kind) for run in re.findall(r'[ -~]+|[^ -~]+', s)]
    fonts = [font(k, latin_px or px) if k == 'sans' else font(k, px) for _, k in runs]
    x = xy[0] - sum(f.getlength(run) for (run, _), f in zip(runs, fonts)) / 2
    for (run, kind_of_run), f in zip(runs, fonts):
        ImageDraw.Draw(img).text((x, xy[1]), run, font=f, fill=fill, anchor='lm',
                                 stroke_width=0 if kind_of_run == 'sans' else stroke, stroke_fill=stroke_fill)
        x += f.getlength(run)


def text_mask(size, xy, s, px, kind='kai', anchor='mm', stroke=0):
    mask = Image.new('L', size, 0)
    ImageDraw.Draw(mask).text(xy, s, font=font(kind, px), fill=255, anchor=anchor, stroke_width=stroke,
                              stroke_fill=255)
    return mask


def coloured_glyph(img, xy, s, px, bands, kind='kai', vertical=False, stroke=0):
    """A glyph painted in colour bands: bands is a list of (fraction up to which the colour holds, colour),
    across (or, with vertical, down) the glyph's box, so parts of one character stand out in colour."""
    mask = text_mask(img.size, xy, s, px, kind, stroke=stroke)
    x0, y0, x1, y1 = mask.getbbox()
    start = 0.0
    for end, colour in bands:
        part = Image.new('L', img.size, 0)
        if vertical:
            box = (0, int(y0 + (y1 - y0) * start), img.size[0], int(y0 + (y1 - y0) * end))
        else:
            box = (int(x0 + (x1 - x0) * start), 0, int(x0 + (x1 - x0) * end), img.size[1])
        ImageDraw.Draw(part).rectangle(box, fill=255)
        layer = Image.new('RGBA', img.size, colour + (255,))
        layer.putalpha(ImageChops.multiply(mask, part))
        img.alpha_composite(layer)
        start = end


def star_points(cx, cy, outer, inner, points=5, turn=0.0):
    import math
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = math.pi * i / points - math.pi / 2 + turn
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def save_png(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, 'PNG', optimize=True)


def save_gif(img, path, matte):
    """GIF has no partial transparency, so the picture is flattened onto the colour it will stand on."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    flat = Image.new('RGB', img.size, matte)
    flat.paste(img, (0, 0), img)
    flat.convert('P', palette=Image.ADAPTIVE, colors=255).save(path, 'GIF', optimize=True)
