"""Writes talvoren.qrc: every made file under the alias <TYPE>/<id> without extension, so the programs
reach it as ":/res/<TYPE>/<id>"."""
import os

# folder -> resource type
TYPES = [('gif', 'GIF'), ('wave', 'WAVE'), ('icon', 'ICON'), ('bitmap', 'BITMAP'), ('strings', 'STRING')]


def _sort_key(name):
    stem = os.path.splitext(name)[0]
    return (0, int(stem), '') if stem.isdigit() else (1, 0, stem)


def make(root):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/res">']
    for folder, kind in TYPES:
        for name in sorted(os.listdir(os.path.join(root, folder)), key=_sort_key):
            stem = os.path.splitext(name)[0]
            lines.append(f'    <file alias="{kind}/{stem}">{folder}/{name}</file>')
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(root, 'talvoren.qrc'), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines))
