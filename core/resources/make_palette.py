#!/usr/bin/env python3
"""Draws the designer's palette bitmaps and writes them, with palette.rc, next to this script.

Run it from anywhere after changing a picture: python3 core/resources/make_palette.py
The .bmp files are committed; the build only compiles palette.rc.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE, BLACK, GREY, DARK, LIGHT = (255, 255, 255), (0, 0, 0), (192, 192, 192), (128, 128, 128), (224, 224, 224)
RED, GREEN, BLUE, NAVY, YELLOW = (255, 0, 0), (0, 160, 0), (0, 0, 255), (0, 0, 128), (255, 255, 0)
TEAL, PURPLE = (0, 128, 128), (128, 0, 128)

# The 16 colours of the 4-bit bitmaps.
VGA = [BLACK, (128, 0, 0), (0, 128, 0), (128, 128, 0), NAVY, PURPLE, TEAL, GREY,
       DARK, RED, (0, 255, 0), YELLOW, BLUE, (255, 0, 255), (0, 255, 255), WHITE]


class Picture:
    def __init__(self, size, background=GREY):
        self.size = size
        self.rows = [[background] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.size - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.size - 1) + 1):
                self.rows[y][x] = colour

    def frame(self, x0, y0, x1, y1, top_left, bottom_right=None):
        bottom_right = bottom_right or top_left
        self.fill(x0, y0, x1, y0, top_left)
        self.fill(x0, y0, x0, y1, top_left)
        self.fill(x0, y1, x1, y1, bottom_right)
        self.fill(x1, y0, x1, y1, bottom_right)

    def box(self, x0, y0, x1, y1, inside, raised=True):
        """A bevelled box: raised like a button, or sunken like a field."""
        self.fill(x0, y0, x1, y1, inside)
        light, shade = (WHITE, DARK) if raised else (DARK, WHITE)
        self.frame(x0, y0, x1, y1, light, shade)

    def pattern(self, x, y, lines, colour):
        for dy, line in enumerate(lines):
            for dx, mark in enumerate(line):
                if mark == '#':
                    self.fill(x + dx, y + dy, x + dx, y + dy, colour)

    def text_lines(self, x0, y0, x1, y1, colours=(BLACK,)):
        for n, y in enumerate(range(y0, y1 + 1, 2)):
            self.fill(x0, y, x1 - (n * 3) % 5, y, colours[n % len(colours)])


UP = ['..#..', '.###.', '#####']
DOWN = list(reversed(UP))
LEFT = ['..#', '.##', '###', '.##', '..#']
RIGHT = ['#..', '##.', '###', '##.', '#..']


def window(p, title=NAVY):
    p.fill(0, 0, p.size - 1, p.size - 1, GREY)
    p.frame(0, 0, p.size - 1, p.size - 1, DARK)
    p.fill(1, 1, p.size - 2, 3, title)


def draw(name, p):
    s = p.size - 1
    if name == 'NULL':
        p.box(1, 1, s - 1, s - 1, WHITE, raised=False)
        for i in range(3, s - 2):
            p.fill(i, i, i, i, RED)
            p.fill(s - i, i, s - i, i, RED)
    elif name in ('QBEVEL', 'QPANEL'):
        p.box(1, 1, s - 1, s - 1, GREY, raised=name == 'QBEVEL')
        p.frame(3, 3, s - 3, s - 3, WHITE, DARK)
    elif name in ('QBUTTON', 'QCOMMAND'):
        p.box(0, 3, s, s - 3, GREY)
        p.fill(4, 7, s - 4, 8, BLACK if name == 'QBUTTON' else BLUE)
    elif name == 'QCHECKBOX':
        p.box(1, 4, 8, 11, WHITE, raised=False)
        p.pattern(2, 5, ['.....#', '....##', '#..##.', '####..', '.##...'], BLACK)
        p.fill(10, 7, 15, 8, BLACK)
    elif name == 'QRADIOBUTTON':
        p.pattern(1, 4, ['..####..', '.#....#.', '#......#', '#..##..#',
                         '#..##..#', '#......#', '.#....#.', '..####..'], DARK)
        p.fill(10, 7, 15, 8, BLACK)
    elif name == 'QCOMBOBOX':
        p.box(0, 4, s, 11, WHITE, raised=False)
        p.box(10, 5, s - 1, 10, GREY)
        p.pattern(11, 7, DOWN, BLACK)
        p.fill(2, 7, 8, 8, BLACK)
    elif name == 'QEDIT':
        p.box(0, 4, s, 11, WHITE, raised=False)
        p.fill(3, 7, 8, 8, BLACK)
        p.fill(10, 6, 10, 9, BLACK)
    elif name in ('QMEMO', 'QRICHEDIT', 'QSYNTAXEDIT', 'VUDEREDO'):
        p.box(0, 0, s, s, WHITE, raised=False)
        colours = {'QMEMO': (BLACK,), 'QRICHEDIT': (RED, BLACK, BLUE),
                   'QSYNTAXEDIT': (BLUE, BLACK, GREEN), 'VUDEREDO': (PURPLE, TEAL, BLACK)}[name]
        p.text_lines(3, 3, s - 3, s - 3, colours)
        if name == 'VUDEREDO':
            p.fill(2, 3, 2, s - 3, YELLOW)
    elif name == 'QLISTBOX':
        p.box(0, 0, s, s, WHITE, raised=False)
        p.fill(2, 6, s - 2, 8, NAVY)
        p.text_lines(3, 3, s - 3, s - 3)
        p.fill(4, 7, s - 5, 7, WHITE)
    elif name == 'QGROUPBOX':
        p.frame(1, 4, s - 1, s - 1, DARK, WHITE)
        p.fill(3, 4, 9, 4, GREY)
        p.fill(4, 2, 8, 5, BLACK)
        p.fill(5, 3, 7, 4, GREY)
    elif name == 'QLABEL':
        p.pattern(4, 3, ['..##..', '.#..#.', '#....#', '#....#', '######',
                         '#....#', '#....#', '#....#', '#....#'], BLACK)
    elif name == 'QQABCONTROL':
        p.pattern(4, 3, ['.####.', '#....#', '#....#', '#....#', '#....#',
                         '#..#.#', '#...#.', '.###.#'], NAVY)
    elif name in ('QHSCROLLBAR', 'QSCROLLBAR'):
        p.fill(0, 5, s, 10, LIGHT)
        p.box(0, 5, 5, 10, GREY)
        p.box(s - 5, 5, s, 10, GREY)
        p.box(7, 5, 10, 10, GREY)
        p.pattern(1, 6, LEFT, BLACK)
        p.pattern(s - 3, 6, RIGHT, BLACK)
    elif name == 'QVSCROLLBAR':
        p.fill(5, 0, 10, s, LIGHT)
        p.box(5, 0, 10, 5, GREY)
        p.box(5, s - 5, 10, s, GREY)
        p.box(5, 7, 10, 10, GREY)
        p.pattern(6, 1, UP, BLACK)
        p.pattern(6, s - 3, DOWN, BLACK)
    elif name == 'QUPDOWN':
        p.box(4, 0, 11, 7, GREY)
        p.box(4, 8, 11, s, GREY)
        p.pattern(6, 2, UP, BLACK)
        p.pattern(6, 10, DOWN, BLACK)
    elif name == 'QPROGRESSBAR':
        p.box(0, 4, s, 11, WHITE, raised=False)
        for x in range(2, 11, 3):
            p.fill(x, 6, x + 1, 9, BLUE)
    elif name in ('QCONTROL', 'QWINCONTROL', 'QCOMPONENT'):
        window(p, title={'QCONTROL': TEAL, 'QWINCONTROL': NAVY, 'QCOMPONENT': PURPLE}[name])
        p.box(3, 6, s - 3, s - 3, WHITE if name != 'QCOMPONENT' else YELLOW, raised=False)
    elif name == 'QSTATUSBAR':
        window(p)
        p.fill(1, s - 4, s - 1, s - 1, GREY)
        p.frame(2, s - 3, 8, s - 1, DARK, WHITE)
        p.frame(10, s - 3, s - 2, s - 1, DARK, WHITE)
    elif name == 'QTOOLBAR':
        p.fill(0, 3, s, s - 3, GREY)
        for x in (1, 6, 11):
            p.box(x, 4, x + 3, s - 4, GREY)
            p.fill(x + 1, 6, x + 2, s - 6, (RED, GREEN, BLUE)[x // 5])
    elif name in ('QRED', 'QGREEN', 'QBLUE'):
        p.fill(1, 1, s - 1, s - 1, {'QRED': RED, 'QGREEN': GREEN, 'QBLUE': BLUE}[name])
        p.frame(1, 1, s - 1, s - 1, BLACK)
    elif name == 'QBOX':
        p.box(1, 1, s - 1, s - 1, RED, raised=False)
        p.fill(4, 4, 11, 5, BLACK)
    elif name == 'QMYFRAME':
        window(p)
        p.fill(2, 6, 8, 7, BLACK)
        p.box(9, 9, s - 2, s - 2, GREY)
    else:
        raise ValueError(name)


def bitmap_bytes(p, depth):
    size = p.size
    palette = []
    if depth == 8:
        palette = sorted({c for row in p.rows for c in row})
        palette += [BLACK] * (256 - len(palette))
    elif depth == 4:
        palette = VGA

    def index(colour):
        if colour in palette:
            return palette.index(colour)
        return min(range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))

    stride = (size * depth + 31) // 32 * 4
    body = b''
    for row in reversed(p.rows):  # bottom-up
        if depth in (24, 32):
            line = b''.join(bytes((b, g, r)) + (b'\0' if depth == 32 else b'') for r, g, b in row)
        elif depth == 8:
            line = bytes(index(c) for c in row)
        else:
            nibbles = [index(c) for c in row] + [0]
            line = bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, size, 2))
        body += line + b'\0' * (stride - len(line))
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, size, size, 1, depth, 0, len(body), 2835, 2835,
                       len(palette), 0)
    offset = 14 + len(info) + len(colours)
    return struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset) + info + colours + body


PALETTE = [(name, 16, 24) for name in (
    'NULL', 'QBEVEL', 'QBUTTON', 'QCHECKBOX', 'QCOMBOBOX', 'QCOMMAND', 'QCOMPONENT', 'QCONTROL',
    'QEDIT', 'QGROUPBOX', 'QHSCROLLBAR', 'QLABEL', 'QLISTBOX', 'QMEMO', 'QPROGRESSBAR',
    'QQABCONTROL', 'QRADIOBUTTON', 'QRICHEDIT', 'QSCROLLBAR', 'QSTATUSBAR', 'QSYNTAXEDIT',
    'QUPDOWN', 'QVSCROLLBAR', 'QWINCONTROL')]
PALETTE += [(name, 16, 32) for name in ('QRED', 'QGREEN', 'QBLUE')]
PALETTE += [(name, 16, 8) for name in ('QBOX', 'QMYFRAME', 'VUDEREDO')]
PALETTE += [(name, 15, 4) for name in ('QPANEL', 'QTOOLBAR')]


def main():
    os.makedirs(os.path.join(HERE, 'palette'), exist_ok=True)
    rc = ['// Generated by make_palette.py: the designer\'s palette bitmaps.',
          '#include <winresrc.h>', '', 'LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US', '']
    for name, size, depth in PALETTE:
        picture = Picture(size)
        draw(name, picture)
        with open(os.path.join(HERE, 'palette', name + '.bmp'), 'wb') as out:
            out.write(bitmap_bytes(picture, depth))
        rc.append('%-13s BITMAP "palette/%s.bmp"' % (name, name))
    with open(os.path.join(HERE, 'palette.rc'), 'w') as out:
        out.write('\n'.join(rc) + '\n')


if __name__ == '__main__':
    main()
