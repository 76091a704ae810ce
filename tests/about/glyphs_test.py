"""Tests of scripts/glyphs: the bitmaps it writes and how it puts them into a
design text."""
import importlib.machinery
import pathlib
import struct
import tempfile
import types
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
loader = importlib.machinery.SourceFileLoader('glyphs', str(ROOT / 'scripts' / 'glyphs'))
glyphs = types.ModuleType('glyphs')
glyphs.__file__ = loader.path
loader.exec_module(glyphs)


def design(items):
    """A bar whose Buttons collection has the given items (lists of lines)."""
    lines = ['object OfficeAddInModule: TAddInModule', '  AddInName = "Corvane"',
             '  object xlCBar: TkvxCommandBar', '    Buttons = <']
    for item in items:
        lines += ['      item'] + ['        ' + l for l in item] + ['      end']
    lines += ['    >', '    PropertyChanged = 3', '  end', 'end', '']
    return '\n'.join(lines)


def item(tag, *extra):
    return ['Caption = "b%d"' % tag, 'Tag = %d' % tag] + list(extra) + ['PropertyChanged = %d' % tag]


def picture(n):
    return bytes([n]) * 1334


class DesignInsertion(unittest.TestCase):
    def test_each_item_gets_its_picture_before_the_properties_that_follow_glyphs(self):
        items = [item(i, 'OnClick = kvxCBarControls0Click') if i % 2 else item(i) for i in range(23)]
        text = glyphs.updated_design(design(items), [picture(i) for i in range(23)])
        lines = text.split('\n')
        starts = [i for i, l in enumerate(lines) if l.strip() == 'Glyph.Data = {']
        self.assertEqual(len(starts), 23)
        for n, start in enumerate(starts):
            self.assertEqual(lines[start], '        Glyph.Data = {')
            block = []
            i = start + 1
            while lines[i].strip() != '}':
                self.assertTrue(lines[i].startswith('          '))
                self.assertLessEqual(len(lines[i].strip()), 64)
                block.append(lines[i].strip())
                i += 1
            self.assertEqual(lines[i], '        }')
            data = bytes.fromhex(''.join(block))
            self.assertEqual(struct.unpack('<I', data[:4])[0], 1334)
            self.assertEqual(data[4:], picture(n))
            after = lines[i + 1].strip()
            self.assertEqual(after, 'OnClick = kvxCBarControls0Click' if n % 2 else 'PropertyChanged = %d' % n)
            self.assertEqual(lines[start - 1].strip(), 'Tag = %d' % n)

    def test_running_again_replaces_blocks_and_changes_nothing_else(self):
        items = [item(i, 'OnClick = x') for i in range(23)]
        original = design(items)
        first = glyphs.updated_design(original, [picture(i) for i in range(23)])
        self.assertEqual(glyphs.updated_design(first, [picture(i) for i in range(23)]), first)
        changed = glyphs.updated_design(first, [picture(i + 40) for i in range(23)])
        self.assertEqual(glyphs.updated_design(original, [picture(i + 40) for i in range(23)]), changed)
        # Dropping the blocks gives back the original text.
        kept = []
        skipping = False
        for line in changed.split('\n'):
            if line.strip() == 'Glyph.Data = {':
                skipping = True
            elif skipping:
                skipping = line.strip() != '}'
            else:
                kept.append(line)
        self.assertEqual('\n'.join(kept), original)

    def test_a_design_with_another_number_of_buttons_is_refused(self):
        for count in (0, 22, 24):
            with self.assertRaises(glyphs.ArtError):
                glyphs.updated_design(design([item(i) for i in range(count)]), [picture(i) for i in range(23)])
        with self.assertRaises(glyphs.ArtError):
            glyphs.updated_design('object M: TAddInModule\nend\n', [picture(i) for i in range(23)])


class Art(unittest.TestCase):
    def art(self, text):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / '01-test.txt'
            path.write_text(text)
            return glyphs.read_art(path)

    def test_bitmap_layout(self):
        rows = ['K' * 16] + ['.' * 16] * 14 + ['.' + 'W' * 15]
        data = glyphs.bitmap(*self.art('. = #FF00FF  t\nK = #000000  k\nW = #FFFFFF  w\n\n' + '\n'.join(rows)))
        self.assertEqual(len(data), 1334)
        self.assertEqual(data[:2], b'BM')
        self.assertEqual(struct.unpack('<IHHI', data[2:14]), (1334, 0, 0, 1078))
        self.assertEqual(struct.unpack('<IiiHHI', data[14:34]), (40, 16, 16, 1, 8, 0))
        self.assertEqual(data[54:66], bytes([0xFF, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0]))
        # Bottom row first: magenta then white; the top row last, black.
        self.assertEqual(data[1078:1094], bytes([0] + [2] * 15))
        self.assertEqual(data[-16:], bytes([1] * 16))

    def test_faulty_art_is_refused(self):
        good = ['.' * 16] * 16
        cases = {
            'short row': ['.' * 15] + good[1:],
            'fifteen rows': good[1:],
            'unknown colour': ['X' * 16] + good[1:],
            'bottom-left not magenta': good[:-1] + ['K' + '.' * 15],
        }
        for name, rows in cases.items():
            with self.subTest(name), self.assertRaises(glyphs.ArtError):
                self.art('. = #FF00FF  t\nK = #000000  k\n\n' + '\n'.join(rows))


if __name__ == '__main__':
    unittest.main()
