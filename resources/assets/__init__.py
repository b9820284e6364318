"""Makers of both programs' pictures, sounds and sample texts; run through make_assets.py."""
