"""Writes the resource lists: talvoren.qrc for the main program and corvelle/corvelle.qrc for the
practice program. Every made file is listed under the alias <TYPE>/<id> without extension, so each
program reaches its own as ":/res/<TYPE>/<id>"; each program links only its own list."""
import os

# folder -> resource type
TYPES = [('gif', 'GIF'), ('wave', 'WAVE'), ('icon', 'ICON'), ('bitmap', 'BITMAP'), ('strings', 'STRING')]


def _sort_key(name):
    stem = os.path.splitext(name)[0]
    return (0, int(stem), '') if stem.isdigit() else (1, 0, stem)


def _write(folder, qrc_name):
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/res">']
    for sub, kind in TYPES:
        if not os.path.isdir(os.path.join(folder, sub)):
            continue
        for name in sorted(os.listdir(os.path.join(folder, sub)), key=_sort_key):
            stem = os.path.splitext(name)[0]
            lines.append(f'    <file alias="{kind}/{stem}">{sub}/{name}</file>')
    lines += ['</qresource>', '</RCC>', '']
    with open(os.path.join(folder, qrc_name), 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines))


def make(root):
    _write(root, 'talvoren.qrc')


def make_corvelle(folder):
    _write(folder, 'corvelle.qrc')
