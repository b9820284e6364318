#!/usr/bin/python3
"""Makes the main program's pictures, sounds and derived strings under this folder, and the practice
program's pictures and sample articles under corvelle/.

Needs Python 3 with PIL (Debian: python3-pil) and the CJK fonts of fonts-arphic-ukai and
fonts-arphic-uming. The outputs are committed; the build only compiles them in (talvoren.qrc,
corvelle/corvelle.qrc) and stages the articles. Run it again after changing a maker, then look at the
pictures; the makers are deterministic, so unchanged pictures come out byte for byte the same.
"""
import os
import sys

sys.dont_write_bytecode = True

ROOT = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ROOT)

from assets import articles, bitmaps, buttons, corvelle, icons, qrc, sounds, strings  # noqa: E402


def main():
    buttons.make(ROOT)
    icons.make(ROOT)
    bitmaps.make(ROOT)
    sounds.make(ROOT)
    strings.make(ROOT)
    qrc.make(ROOT)

    practice = os.path.join(ROOT, 'corvelle')
    corvelle.make(practice)
    articles.make(practice)
    qrc.make_corvelle(practice)


if __name__ == '__main__':
    main()
