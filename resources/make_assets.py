#!/usr/bin/python3
"""Makes the main program's pictures, sounds and derived strings under this folder.

Needs Python 3 with PIL (Debian: python3-pil) and the CJK fonts of fonts-arphic-ukai and
fonts-arphic-uming. The outputs are committed; the build only compiles them in (talvoren.qrc).
Run it again after changing a maker, then look at the pictures.
"""
import os
import sys

sys.dont_write_bytecode = True

ROOT = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, ROOT)

from assets import bitmaps, buttons, icons, qrc, sounds, strings  # noqa: E402


def main():
    buttons.make(ROOT)
    icons.make(ROOT)
    bitmaps.make(ROOT)
    sounds.make(ROOT)
    strings.make(ROOT)
    qrc.make(ROOT)


if __name__ == '__main__':
    main()
