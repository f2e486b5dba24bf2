#!/usr/bin/env python3
"""Derives the board's typeface from Inter: every character is drawn with its own glyph.

Qt cannot switch OpenType features off, and Inter's default features replace glyphs by
context (an x between digits becomes a multiplication sign, parentheses and dashes change
next to capitals). A PDF's text layer maps each glyph back to one character, so a glyph
shared by two characters, or reached only through a substitution, reads back wrong.

So each face here has no glyph substitutions at all, every character owns its glyph, and
the family is renamed so that it never mixes with an installed Inter. The Medium face,
which only the number badges use, takes Inter's tabular figures as its plain digits.

usage: derive-fonts.py SOURCE_FOLDER OUTPUT_FOLDER
"""

import copy
import os
import sys

from fontTools.agl import toUnicode
from fontTools.ttLib import TTFont

FAMILY = "Tesserly Inter"
POSTSCRIPT_FAMILY = "TesserlyInter"
# (source file, style, whether its digits are tabular)
FACES = [
    ("Inter-Regular.otf", "Regular", False),
    ("Inter-Medium.otf", "Medium", True),
    ("Inter-SemiBold.otf", "SemiBold", False),
]


def unicode_cmaps(font):
    return [table for table in font["cmap"].tables if table.isUnicode()]


def tabular_figures(font):
    """The tnum feature's single substitutions: plain digit glyph -> tabular glyph."""
    gsub = font["GSUB"].table
    mapping = {}
    for record in gsub.FeatureList.FeatureRecord:
        if record.FeatureTag != "tnum":
            continue
        for index in record.Feature.LookupListIndex:
            lookup = gsub.LookupList.Lookup[index]
            for subtable in lookup.SubTable:
                if lookup.LookupType == 7:
                    subtable = subtable.ExtSubTable
                mapping.update(getattr(subtable, "mapping", {}))
    return mapping


def use_tabular_digits(font):
    figures = tabular_figures(font)
    for table in unicode_cmaps(font):
        digits = {}
        for digit in range(ord("0"), ord("9") + 1):
            glyph = table.cmap.get(digit)
            if glyph in figures:
                digits[digit] = figures[glyph]
        # The tabular glyphs are also reachable from private-use codes; the digits own them now.
        for code in [code for code, glyph in table.cmap.items() if glyph in digits.values()]:
            del table.cmap[code]
        table.cmap.update(digits)


def primary_code(glyph, codes):
    """The character a shared glyph was drawn for: the one its name spells, else the lowest."""
    named = toUnicode(glyph)
    for code in codes:
        if named == chr(code):
            return code
    return min(codes)


def map_tab_to_space(font):
    """Qt draws a tab with the space glyph when the font has none; given its own copy of that
    glyph, the space glyph reads back as a space rather than as a tab."""
    for table in unicode_cmaps(font):
        if 0x09 not in table.cmap and 0x20 in table.cmap:
            table.cmap[0x09] = table.cmap[0x20]


def add_glyph_copy(font, glyph, name):
    charstrings = font["CFF "].cff.topDictIndex[0].CharStrings
    charstrings.charStringsIndex.append(copy.deepcopy(charstrings[glyph]))
    charstrings.charStrings[name] = len(charstrings.charStringsIndex) - 1
    font["CFF "].cff.topDictIndex[0].charset.append(name)
    font["hmtx"][name] = font["hmtx"][glyph]
    gdef = font["GDEF"].table if "GDEF" in font else None
    if gdef and gdef.GlyphClassDef and glyph in gdef.GlyphClassDef.classDefs:
        gdef.GlyphClassDef.classDefs[name] = gdef.GlyphClassDef.classDefs[glyph]


def split_shared_glyphs(font):
    """Gives every character its own glyph: copies of a shared glyph for all but its primary one."""
    best = font.getBestCmap()
    users = {}
    for code, glyph in best.items():
        users.setdefault(glyph, []).append(code)
    order = list(font.getGlyphOrder())
    copies = {}
    for glyph, codes in sorted(users.items()):
        if len(codes) < 2:
            continue
        keep = primary_code(glyph, codes)
        for code in codes:
            if code != keep:
                name = "%s.for%04X" % (glyph, code)
                order.append(name)
                copies[code] = (glyph, name)
    for code, (glyph, name) in copies.items():
        add_glyph_copy(font, glyph, name)
    font.setGlyphOrder(order)
    for table in unicode_cmaps(font):
        for code, (_, name) in copies.items():
            if code in table.cmap:
                table.cmap[code] = name


def rename(font, style):
    full = "%s %s" % (FAMILY, style)
    postscript = "%s-%s" % (POSTSCRIPT_FAMILY, style)
    # Only Regular keeps the legacy four-style family; the others name their weight in it.
    legacy_family = FAMILY if style == "Regular" else full
    names = {
        1: legacy_family,
        2: "Regular",
        3: "%s;derived" % postscript,
        4: full,
        6: postscript,
        16: FAMILY,
        17: style,
    }
    table = font["name"]
    # Names from 256 up label the stylistic sets, which went with the substitutions.
    table.names = [record for record in table.names if record.nameID not in names and record.nameID < 21]
    for name_id, value in names.items():
        table.setName(value, name_id, 3, 1, 0x409)
    cff = font["CFF "].cff
    top = cff.topDictIndex[0]
    cff.fontNames = [postscript]
    top.FamilyName = FAMILY
    top.FullName = full


def derive(source, target, style, tabular):
    font = TTFont(source)
    if tabular:
        use_tabular_digits(font)
    # Without GSUB the shaper draws each character's own glyph; kerning and mark
    # positioning live in GPOS and stay.
    if "GSUB" in font:
        del font["GSUB"]
    map_tab_to_space(font)
    split_shared_glyphs(font)
    rename(font, style)
    font.save(target)


def main(arguments):
    if len(arguments) != 3:
        sys.stderr.write(__doc__)
        return 2
    source_folder, output_folder = arguments[1], arguments[2]
    os.makedirs(output_folder, exist_ok=True)
    for file_name, style, tabular in FACES:
        target = os.path.join(output_folder, "%s-%s.otf" % (POSTSCRIPT_FAMILY, style))
        derive(os.path.join(source_folder, file_name), target, style, tabular)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
