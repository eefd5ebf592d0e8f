#!/usr/bin/env python3
"""Draws the designer's palette bitmaps and writes them, with palette.rc, next to this script.

Run it from anywhere after changing a picture: python3 core/resources/make_palette.py
The .bmp files are committed; the build only compiles palette.rc.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE, BLACK, GREY, DARK = (255, 255, 255), (0, 0, 0), (192, 192, 192), (128, 128, 128)
LIGHT = (224, 224, 224)
RED, GREEN, BLUE, NAVY, YELLOW = (255, 0, 0), (0, 128, 0), (0, 0, 255), (0, 0, 128), (255, 255, 0)
TEAL, PURPLE, MAROON = (0, 128, 128), (128, 0, 128), (128, 0, 0)

# The 16 colours of the 4-bit bitmaps.
VGA = [BLACK, MAROON, GREEN, (128, 128, 0), NAVY, PURPLE, TEAL, GREY,
       DARK, RED, (0, 255, 0), YELLOW, BLUE, (255, 0, 255), (0, 255, 255), WHITE]

# 3x5 letters (Q is 4 wide) for captions and field contents.
FONT = {
    'A': ['.#.', '#.#', '###', '#.#', '#.#'], 'B': ['##.', '#.#', '##.', '#.#', '##.'],
    'K': ['#.#', '#.#', '##.', '#.#', '#.#'], 'O': ['###', '#.#', '#.#', '#.#', '###'],
    'Q': ['.##.', '#..#', '#..#', '#.##', '.###'],
    'a': ['...', '.##', '#.#', '#.#', '.##'], 'b': ['#..', '##.', '#.#', '#.#', '##.'],
}


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

    def box(self, x0, y0, x1, y1, inside, raised=True, deep=False):
        """A bevelled box: raised like a button, or sunken like a field; deep ones get the
        second, darker edge of the system's buttons and fields."""
        self.fill(x0, y0, x1, y1, inside)
        if raised:
            self.frame(x0, y0, x1, y1, WHITE, BLACK if deep else DARK)
            if deep:
                self.frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, GREY, DARK)
        else:
            self.frame(x0, y0, x1, y1, DARK, WHITE)
            if deep:
                self.frame(x0 + 1, y0 + 1, x1 - 1, y1 - 1, BLACK, GREY)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0)) or 1
        for i in range(steps + 1):
            x, y = x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps
            self.fill(x, y, x, y, colour)

    def pattern(self, x, y, lines, colour):
        """A character map: '#' in colour, or each mark in its colour when colour maps marks to
        colours; other marks leave the pixel as it is."""
        inks = colour if isinstance(colour, dict) else {'#': colour}
        for dy, line in enumerate(lines):
            for dx, mark in enumerate(line):
                if mark in inks:
                    self.fill(x + dx, y + dy, x + dx, y + dy, inks[mark])

    def text(self, x, y, letters, colour=BLACK):
        for letter in letters:
            self.pattern(x, y, FONT[letter], colour)
            x += len(FONT[letter][0]) + 1

    def arrow(self, x, y, n, dx, dy, colour=BLACK):
        """A solid triangle n pixels deep, its tip at (x, y), pointing along (dx, dy)."""
        for i in range(n):
            if dx:
                self.fill(x - i * dx, y - i, x - i * dx, y + i, colour)
            else:
                self.fill(x - i, y - i * dy, x + i, y - i * dy, colour)

    def text_lines(self, x0, y0, x1, y1, colours=(BLACK,)):
        for n, y in enumerate(range(y0, y1 + 1, 2)):
            self.fill(x0, y, x1 - (n * 3) % 5, y, colours[n % len(colours)])

    def transpose(self):
        self.rows = [list(column) for column in zip(*self.rows)]


def window(p, client=GREY):
    """A small form: frame, navy caption with a close box, client area; the bottom row stays
    background."""
    s = p.size - 1
    p.fill(0, 0, s, s - 1, client)
    p.frame(0, 0, s, s - 1, DARK, BLACK)
    p.fill(1, 1, s - 1, 3, NAVY)
    p.fill(s - 3, 2, s - 2, 3, GREY)


def scroll_bar(p, x0, y0, x1, y1, thumb):
    """A horizontal scroll bar: dithered track, arrow buttons of a third of its length (square
    ones would leave no track at this size) and a thumb starting at x = thumb."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            p.fill(x, y, x, y, WHITE if (x + y) % 2 else GREY)
    width = (x1 - x0 + 1) // 3
    middle = (y0 + y1) // 2
    p.box(x0, y0, x0 + width - 1, y1, GREY)
    p.box(x1 - width + 1, y0, x1, y1, GREY)
    p.box(thumb, y0, thumb + width - 2, y1, GREY)
    reach = min(width - 2, (y1 - y0) // 2)  # the arrow stays inside the button's edges
    p.arrow(x0 + 1 + (width - 2 - reach) // 2, middle, reach, -1, 0)
    p.arrow(x1 - 1 - (width - 2 - reach) // 2, middle, reach, 1, 0)


def edit_field(p, top=0, bottom=14):
    p.box(0, top, p.size - 1, bottom, WHITE, raised=False, deep=True)


def draw(name, p):
    s = p.size - 1
    if name == 'NULL':
        p.box(1, 1, s - 1, s - 1, WHITE, raised=False)
        p.line(4, 4, s - 4, s - 4, RED)
        p.line(s - 4, 4, 4, s - 4, RED)
    elif name == 'QBEVEL':
        p.frame(1, 1, s - 1, s - 1, DARK)  # etched: a dark line with a light one beside it
        p.frame(2, 2, s, s, WHITE)
        p.box(5, 5, s - 5, s - 5, GREY)
    elif name == 'QPANEL':
        p.box(1, 1, s - 1, s - 1, GREY, deep=True)
        p.text(4, 5, 'ab')
    elif name == 'QBUTTON':
        p.box(0, 3, s, s - 3, GREY, deep=True)
        p.text(4, 5, 'OK')
    elif name == 'QCOMMAND':
        p.box(2, 2, s - 2, s - 2, GREY, deep=True)
        p.arrow(10, 7, 4, 1, 0, GREEN)
    elif name == 'QCHECKBOX':
        p.box(0, 2, 10, 12, WHITE, raised=False, deep=True)
        p.pattern(2, 4, ['......#', '.....##', '#...###', '##.###.', '#####..', '.###...',
                         '..#....'], BLACK)
        p.fill(12, 7, s, 8, BLACK)
    elif name == 'QRADIOBUTTON':
        p.pattern(0, 2, ['....oooo....', '..oowwwwoo..', '.owwwwwwwwo.', '.owwwwwwwwo.',
                         'owwww##wwwwo', 'owww####wwwo', 'owww####wwwo', 'owwww##wwwwo',
                         '.owwwwwwwwo.', '.owwwwwwwwo.', '..oowwwwoo..', '....oooo....'],
                  {'o': DARK, 'w': WHITE, '#': BLACK})
        p.fill(13, 7, s, 8, BLACK)
    elif name == 'QCOMBOBOX':
        edit_field(p, 3, 12)
        p.box(9, 5, 13, 10, GREY)
        p.arrow(11, 8, 2, 0, 1)
        p.fill(3, 7, 7, 8, BLACK)
    elif name == 'QEDIT':
        edit_field(p, 3, 12)
        p.text(3, 5, 'ab')
        p.fill(11, 5, 11, 10, BLACK)  # the caret
    elif name == 'QGROUPBOX':
        p.frame(1, 5, s, s, WHITE)  # etched, with the caption in a gap of the top edge
        p.frame(0, 4, s - 1, s - 1, DARK)
        p.fill(2, 4, 10, 5, GREY)
        p.text(3, 2, 'ab')
    elif name == 'QLABEL':
        p.pattern(4, 3, ['...##...', '...##...', '..####..', '..#..#..', '.##..##.',
                         '.##..##.', '.######.', '##....##', '##....##', '##....##'], BLACK)
    elif name == 'QQABCONTROL':
        p.box(1, 2, s - 1, s - 2, GREY)
        p.text(4, 5, 'AB', NAVY)
        p.fill(4, 11, 10, 11, NAVY)
    elif name == 'QLISTBOX':
        edit_field(p)
        p.fill(2, 5, s - 2, 7, NAVY)
        for y, colour in ((3, BLACK), (6, WHITE), (9, BLACK), (11, BLACK)):
            p.fill(4, y, s - 5 + y % 3, y, colour)
    elif name in ('QMEMO', 'QRICHEDIT', 'QSYNTAXEDIT'):
        edit_field(p)
        if name == 'QMEMO':
            p.text_lines(3, 3, s - 3, 12)
        elif name == 'QRICHEDIT':
            p.fill(3, 3, 9, 4, RED)  # a bold heading over coloured text
            p.text_lines(3, 7, s - 3, 12, (BLUE, BLACK, GREEN))
        else:
            p.fill(2, 2, 4, 12, LIGHT)  # the gutter, with line marks, and indented code
            for row, (indent, length, colour) in enumerate(
                    ((0, 4, BLUE), (2, 5, BLACK), (2, 3, GREEN), (2, 5, BLACK), (0, 3, BLUE))):
                y = 3 + 2 * row
                p.fill(3, y, 3, y, DARK)
                p.fill(6 + indent, y, 6 + indent + length - 1, y, colour)
    elif name == 'VUDEREDO':
        p.pattern(0, 0, ['.#.....', '######.', '.#....#', '......#', '.....#.'], BLUE)  # undo
        p.pattern(9, 0, ['.....#.', '.######', '#....#.', '#......', '.#.....'], GREEN)  # redo
        p.box(0, 6, s, 14, WHITE, raised=False, deep=True)
        p.fill(2, 8, 3, 12, LIGHT)
        p.text_lines(5, 8, s - 3, 12, (PURPLE, BLACK, TEAL))
    elif name == 'QHSCROLLBAR':
        scroll_bar(p, 0, 4, s, 10, 6)
    elif name == 'QVSCROLLBAR':
        scroll_bar(p, 0, 5, s, 11, 7)
        p.transpose()
    elif name == 'QSCROLLBAR':  # the component's horizontal bar under a page it scrolls
        p.box(1, 0, s - 1, 8, WHITE, raised=False)
        p.text_lines(3, 2, s - 3, 6)
        scroll_bar(p, 0, 9, s, 14, 5)
    elif name == 'QUPDOWN':
        p.box(2, 0, s - 3, 7, GREY, deep=True)
        p.box(2, 8, s - 3, s, GREY, deep=True)
        p.arrow(7, 2, 3, 0, -1)
        p.arrow(7, 12, 3, 0, 1)
    elif name == 'QPROGRESSBAR':
        p.box(0, 4, s, 11, WHITE, raised=False, deep=True)
        for x in range(3, 10, 3):
            p.fill(x, 6, x + 1, 9, NAVY)
    elif name == 'QCONTROL':  # a control as the designer shows it selected
        p.box(2, 3, s - 2, s - 3, GREY)
        for x in (1, 7, s - 2):
            for y in (2, 7, s - 3):
                if (x, y) != (7, 7):
                    p.fill(x, y, x + 1, y + 1, BLACK)
    elif name == 'QWINCONTROL':
        window(p)
        p.box(2, 5, s - 2, s - 3, WHITE, raised=False)
    elif name == 'QCOMPONENT':  # a non-visual component: a closed box
        for y in range(1, 6):
            p.fill(6 - y, y, 15 - y, y, WHITE)
        for x in range(10, 15):
            p.fill(x, 15 - x, x, 24 - x, DARK)
        p.fill(1, 5, 10, 14, GREY)
        p.frame(1, 5, 10, 14, BLACK)
        for edge in ((5, 1, 14, 1), (1, 5, 5, 1), (10, 5, 14, 1), (14, 1, 14, 10), (14, 10, 10, 14)):
            p.line(*edge, BLACK)
    elif name == 'QSTATUSBAR':
        window(p, client=WHITE)
        p.fill(1, 10, s - 1, s - 2, GREY)
        p.fill(1, 10, s - 1, 10, LIGHT)
        p.frame(1, 11, 7, s - 2, DARK, WHITE)
        p.frame(8, 11, 11, s - 2, DARK, WHITE)
        for d in (0, 2):  # the size grip
            p.line(12 + d, s - 2, s - 1, 11 + d, DARK)
    elif name == 'QTOOLBAR':
        p.box(0, 2, s, s - 2, GREY)
        p.fill(2, 4, 2, s - 4, WHITE)  # the grip
        p.fill(3, 4, 3, s - 4, DARK)
        p.box(4, 3, 8, s - 3, GREY)  # the first button, under the mouse
        for x0, x1, colour in ((5, 7, RED), (9, 10, GREEN), (12, 13, BLUE)):
            p.fill(x0, 5, x1, s - 5, colour)
    elif name in ('QRED', 'QGREEN', 'QBLUE'):
        colour = {'QRED': RED, 'QGREEN': (0, 255, 0), 'QBLUE': BLUE}[name]
        for y in range(2, s - 1):  # a shade from top to bottom, as true colour allows
            p.fill(2, y, s - 2, y, tuple(c * (40 - y) // 40 for c in colour))
        p.frame(1, 1, s - 1, s - 1, BLACK)
    elif name == 'QBOX':  # a red child form with a client edge, writing its class name
        p.box(0, 0, s, s - 1, RED, raised=False, deep=True)
        p.text(3, 5, 'Qb')
    elif name == 'QMYFRAME':  # a form with a label and a button
        window(p)
        p.text(2, 5, 'ab')
        p.box(7, 10, s - 2, s - 2, GREY, deep=True)
    else:
        raise ValueError(name)


def bitmap_bytes(p, depth):
    size = p.size
    palette = []
    if depth == 8:
        palette = sorted({c for row in p.rows for c in row})
        palette += [BLACK] * (256 - len(palette))
    elif depth == 4:
        palette = VGA  # a colour outside it makes palette.index raise: pictures keep to it

    stride = (size * depth + 31) // 32 * 4
    body = b''
    for row in reversed(p.rows):  # bottom-up
        if depth in (24, 32):
            line = b''.join(bytes((b, g, r)) + (b'\0' if depth == 32 else b'') for r, g, b in row)
        elif depth == 8:
            line = bytes(palette.index(c) for c in row)
        else:
            nibbles = [palette.index(c) for c in row] + [0]
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
        # Designers that key transparency on the lower-left pixel then see the background.
        assert picture.rows[-1][0] == GREY, name
        with open(os.path.join(HERE, 'palette', name + '.bmp'), 'wb') as out:
            out.write(bitmap_bytes(picture, depth))
        rc.append('%-13s BITMAP "palette/%s.bmp"' % (name, name))
    with open(os.path.join(HERE, 'palette.rc'), 'w') as out:
        out.write('\n'.join(rc) + '\n')


if __name__ == '__main__':
    main()
