"""String table entries derived from others: 12 is the help text of the one-key character short codes
(11) retold for the two-key lesson."""


def _replace_once(s, old, new):
    assert s.count(old) == 1, old
    return s.replace(old, new)


def make(root):
    with open(f'{root}/strings/11.txt', encoding='utf-8', newline='') as f:
        s = f.read()
    s = _replace_once(s, '字一键简码', '字两键简码')
    s = _replace_once(s, '汉字简码', '汉字代码')
    with open(f'{root}/strings/12.txt', 'w', encoding='utf-8', newline='') as f:
        f.write(s)
