"""Makers of the main program's pictures and sounds; run through make_assets.py."""
