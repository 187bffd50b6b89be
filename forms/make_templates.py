#!/usr/bin/env python3
"""Writes the editable sources of the four report templates.

One layout below describes the sheet; each template is that layout in one
language and one system of units, written as a flat OpenDocument spreadsheet
(FormLoad*.fods). build_templates.sh turns those into the .xls files the
program opens. The report fills the empty value cells named in VALUES; every
label, border, number format and the page layout come from here.

Usage: make_templates.py OUTPUT_FOLDER PICTURE.png
"""
import base64
import os
import sys
from xml.sax.saxutils import escape

UNITS = {
    # variant suffix: stress, tension force, modulus of elasticity
    ("", "en"): ("daN/mm²", "daN", "daN/mm²"),
    ("N", "en"): ("N/mm²", "kN", "kN/mm²"),
    ("", "ru"): ("даН/мм²", "даН", "даН/мм²"),
    ("N", "ru"): ("Н/мм²", "кН", "кН/мм²"),
}

# Column widths in characters (A to R); the report sets the same widths.
COLUMNS = [0.83, 24, 9.71, 8, 7.81, 7, 7, 7, 7, 7, 7, 10.5, 7, 7, 7, 7, 7, 8.43]

# Row heights in points; rows not named keep the default height.
ROWS = {1: 21.0, 2: 6.0, 12: 6.0, 15: 24.75, 16: 24.75, 25: 24.75, 26: 24.75, 29: 16.5,
        30: 25.5, 31: 15.0, 32: 25.5, 33: 27.0, 34: 27.0, 35: 15.0}
DEFAULT_ROW = 13.5
LAST_ROW = 35

# (range, style, English, Russian). {s}, {f}, {m}: the units of stress,
# tension force and modulus of the variant.
LABELS = [
    ("B1:R1", "title", "Balancing load of a suspension insulator string",
     "Расчёт груза для поддерживающей гирлянды промежуточной опоры"),
    ("B3:E3", "head", "Climatic conditions", "Климатические условия"),
    ("B4:D4", "label", "Ice wall thickness, mm", "Толщина стенки гололёда, мм"),
    ("B5:D5", "label", "Maximum wind velocity, m/s", "Максимальная скорость ветра, м/с"),
    ("B6:D6", "label", "Wind velocity in case of ice, m/s", "Скорость ветра при гололёде, м/с"),
    ("B7:D7", "label", "Lowest air temperature, °C", "Низшая температура воздуха, °C"),
    ("B8:D8", "label", "Highest air temperature, °C", "Высшая температура воздуха, °C"),
    ("B9:D9", "label", "Air temperature at ice without wind, °C",
     "Температура при гололёде без ветра, °C"),
    ("B10:D10", "label", "Air temperature at ice with wind, °C",
     "Температура при гололёде с ветром, °C"),
    ("B11:D11", "label", "Average annual air temperature, °C",
     "Среднегодовая температура воздуха, °C"),
    ("G3:L3", "head", "Coefficients of wind loads", "Коэффициенты ветровых нагрузок"),
    ("G4:K4", "label", "Reliability for responsibility", "Надёжности по ответственности"),
    ("G5:K5", "label", "Regional", "Региональный"),
    ("G6:K6", "label", "Reliability", "Надёжности"),
    ("G7:L7", "head", "Coefficients of ice loads", "Коэффициенты гололёдных нагрузок"),
    ("G8:K8", "label", "Reliability for responsibility", "Надёжности по ответственности"),
    ("G9:K9", "label", "Regional", "Региональный"),
    ("G10:K10", "label", "Reliability", "Надёжности"),
    ("G11:K11", "label", "Operating conditions", "Условий работы"),
    ("N3:Q3", "label", "Type of terrain", "Тип местности"),
    ("N4:Q4", "label", "Height of wires, m", "Высота проводов, м"),
    ("B14:C14", "label", "Wire, cord, cable", "Провод, трос, кабель"),
    ("B15:C15", "label", "Maximum permissible: stress, {s}; tension, {f}",
     "Наибольшее допускаемое: напряжение, {s}; тяжение, {f}"),
    ("B16:C16", "label", "At average annual temperature: stress, {s}; tension, {f}",
     "При среднегодовой температуре: напряжение, {s}; тяжение, {f}"),
    ("B17:C17", "label", "Span to the left, m", "Пролёт слева, м"),
    ("B18:C18", "label", "Span to the right, m", "Пролёт справа, м"),
    ("B19:C19", "label", "Equivalent span, m", "Приведённый пролёт, м"),
    ("B20:C20", "label", "Ground level, left support, m", "Отметка земли, левая опора, м"),
    ("B21:C21", "label", "Ground level, this support, m", "Отметка земли, данная опора, м"),
    ("B22:C22", "label", "Ground level, right support, m", "Отметка земли, правая опора, м"),
    ("B23:C23", "label", "Wire height, left support, m", "Высота подвеса, левая опора, м"),
    ("B24:C24", "label", "Wire height, this support, m", "Высота подвеса, данная опора, м"),
    ("B25:C25", "label", "Wire height, right support, m", "Высота подвеса, правая опора, м"),
    ("B26:C26", "label", "Permissible angle, maximum wind, °",
     "Допустимый угол, наибольший ветер, °"),
    ("B27:C27", "label", "Permissible angle, reduced wind, °",
     "Допустимый угол, пониженный ветер, °"),
    ("B28:C28", "label", "Permissible angle with ballast, °", "Допустимый угол с балластом, °"),
    ("G13:L13", "head", "Wire", "Провод"),
    ("G14:K14", "label", "Diameter, mm", "Диаметр, мм"),
    ("G15:K15", "label", "Sectional area, mm²", "Площадь сечения, мм²"),
    ("G16:K16", "label", "Weight per unit length, kg/m", "Вес единицы длины, кг/м"),
    ("G17:K17", "label", "Modulus of elasticity, {m}", "Модуль упругости, {m}"),
    ("G18:K18", "label", "Linear expansion coefficient, 1/°C",
     "Коэф. линейного расширения, 1/°C"),
    ("G19:L19", "head", "Support", "Опора"),
    ("G20:K20", "label", "Angle of the route turn, °", "Угол поворота трассы, °"),
    ("G21:K21", "label", "Weight of a vibration damper, kg", "Вес гасителя вибрации, кг"),
    ("G22:K22", "label", "Weight of the insulator string, kg", "Вес гирлянды изоляторов, кг"),
    ("G23:K23", "label", "Number of wires in the phase", "Число проводов в фазе"),
    ("G24:J24", "label", "String deflects at the turn", "Гирлянда отклоняется на углу"),
    # A weight span below zero is the wire pulling the attachment up.
    ("G25:K25", "label", "Weight span, governing wind (below 0: the wire pulls up), m",
     "Весовой пролёт, расчётный ветер (меньше 0: провод тянет вверх), м"),
    ("G26:K26", "label", "Weight span, lowest temperature (below 0: the wire pulls up), m",
     "Весовой пролёт, низшая температура (меньше 0: провод тянет вверх), м"),
    ("B29:R29", "head", "Results", "Результаты расчёта"),
]

# Value cells the report writes: (range, number format). The first cell of a
# merged range is the one written; the cells stay empty in the template.
VALUES = [
    ("E4", "general"), ("E5", "general"), ("E6", "general"), ("E7", "general"),
    ("E8", "general"), ("E9", "general"), ("E10", "general"), ("E11", "general"),
    ("L4", "fixed2"), ("L5", "fixed2"), ("L6", "fixed2"), ("L8", "fixed2"),
    ("L9", "fixed2"), ("L10", "fixed2"), ("L11", "fixed2"),
    ("R3", "text"), ("R4", "integer"),
    ("B13:E13", "support"), ("D14:E14", "textvalue"),
    ("D15", "fixed2"), ("E15", "fixed2"), ("D16", "fixed2"), ("E16", "fixed2"),
    ("D17", "general"), ("D18", "general"), ("D19", "general"), ("D20", "general"),
    ("D21", "general"), ("D22", "general"), ("D23", "general"), ("D24", "general"),
    ("D25", "general"), ("D26", "general"), ("D27", "general"), ("D28", "general"),
    ("L14", "general"), ("L15", "general"), ("L16", "general"), ("L17", "general"),
    ("L18", "scientific"), ("L20", "general"), ("L21", "general"), ("L22", "general"),
    ("L23", "integer"), ("K24:L24", "textsmall"), ("L25", "fixed1"), ("L26", "fixed1"),
    ("B30:G30", "result_label"), ("B31:G31", "result_label"), ("B32:G32", "result_label"),
    ("H30:J30", "result2"), ("H31:J31", "result1"), ("H32:J32", "result2"),
    ("B33:R33", "verdict"),
    # Outside the cells the calculation fills: why a support gave no result,
    # and where the sheet comes from (project file, date, sheet N of M).
    ("B34:R34", "stopped"),
    ("B35:H35", "origin"), ("I35:M35", "origin"), ("N35:R35", "origin_right"),
]

# The result values are hidden by a conditional format while B34 says why
# the calculation gave no result: the cells still hold the 0 the report
# writes there, but the sheet shows the reason instead.
HIDDEN_WHEN_STOPPED = ("H30:J32", "LEN([.$B$34])>0")

# Where the sketch sits: from the top left of the first cell to the
# bottom right of the second.
PICTURE = ("M14", "R28")

DATA_STYLES = """
  <number:number-style style:name="Nfixed1"><number:number number:decimal-places="1" number:min-decimal-places="1" number:min-integer-digits="1"/></number:number-style>
  <number:number-style style:name="Nfixed2"><number:number number:decimal-places="2" number:min-decimal-places="2" number:min-integer-digits="1"/></number:number-style>
  <number:number-style style:name="Ninteger"><number:number number:decimal-places="0" number:min-decimal-places="0" number:min-integer-digits="1"/></number:number-style>
  <number:number-style style:name="Nscientific"><number:scientific-number number:decimal-places="2" number:min-decimal-places="2" number:min-integer-digits="1" number:min-exponent-digits="2"/></number:number-style>
"""

BORDER = 'fo:border="0.74pt solid #000000"'
# Value cells shrink their text rather than show "###" or lose digits, so
# any value a real line gives is read in full at the fixed column widths.
SHRINK = ' style:shrink-to-fit="true"'
CELL_STYLES = {
    # name: (data style, cell properties, paragraph alignment, text properties)
    "title": (None, 'style:vertical-align="middle"', "start",
              'fo:font-size="14pt" fo:font-weight="bold"'),
    "head": (None, BORDER + ' fo:background-color="#dde7f0" style:vertical-align="middle"',
             "center", 'fo:font-size="10pt" fo:font-weight="bold"'),
    "label": (None, BORDER + ' fo:wrap-option="wrap" style:vertical-align="middle"', "start",
              'fo:font-size="9pt"'),
    "general": (None, BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "fixed1": ("Nfixed1", BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "fixed2": ("Nfixed2", BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "integer": ("Ninteger", BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "scientific": ("Nscientific", BORDER + SHRINK + ' style:vertical-align="middle"', "end",
                   'fo:font-size="10pt"'),
    "text": (None, BORDER + SHRINK + ' style:vertical-align="middle"', "center", 'fo:font-size="10pt"'),
    "textvalue": (None, BORDER + SHRINK + ' style:vertical-align="middle"', "start",
                  'fo:font-size="10pt" fo:font-weight="bold"'),
    "textsmall": (None, BORDER + SHRINK + ' style:vertical-align="middle"', "center", 'fo:font-size="9pt"'),
    "result1": ("Nfixed1", BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "result2": ("Nfixed2", BORDER + SHRINK + ' style:vertical-align="middle"', "end", 'fo:font-size="10pt"'),
    "stopped": (None, 'fo:wrap-option="wrap" style:vertical-align="middle"', "start",
                'fo:font-size="10pt" fo:font-weight="bold" fo:color="#b00000"'),
    "origin": (None, 'style:vertical-align="bottom"' + SHRINK, "start",
               'fo:font-size="8pt" fo:font-style="italic"'),
    "origin_right": (None, 'style:vertical-align="bottom"' + SHRINK, "end",
                     'fo:font-size="8pt" fo:font-style="italic"'),
    "support": (None, 'style:vertical-align="middle"', "start",
                'fo:font-size="12pt" fo:font-weight="bold"'),
    "result_label": (None, BORDER + ' fo:wrap-option="wrap" style:vertical-align="middle"',
                     "start", 'fo:font-size="9pt"'),
    "verdict": (None, BORDER + ' fo:wrap-option="wrap" style:vertical-align="middle"'
                ' fo:background-color="#fff7d6"', "start",
                'fo:font-size="10pt" fo:font-weight="bold"'),
}


def cell_ref(name):
    """'B13' -> (row 1-based, column 0-based)."""
    letters = "".join(c for c in name if c.isalpha())
    column = 0
    for c in letters:
        column = column * 26 + ord(c) - ord("A") + 1
    return int(name[len(letters):]), column - 1


def parse_range(text):
    first, _, last = text.partition(":")
    top, left = cell_ref(first)
    bottom, right = cell_ref(last or first)
    return top, left, bottom, right


def column_cm(chars):
    # A character of the default 10 pt font is 7 px wide, plus 5 px of margin.
    return (chars * 7 + 5) / 96 * 2.54


def build_grid(language, units):
    """row -> column -> (kind, style, text, rows spanned, columns spanned)."""
    grid = {}
    covered = set()

    def place(range_text, style, text):
        top, left, bottom, right = parse_range(range_text)
        grid.setdefault(top, {})[left] = (style, text, bottom - top + 1, right - left + 1)
        for r in range(top, bottom + 1):
            for c in range(left, right + 1):
                if (r, c) != (top, left):
                    covered.add((r, c))
                    grid.setdefault(r, {})[c] = (style, None, 0, 0)

    stress, force, modulus = units
    for range_text, style, english, russian in LABELS:
        text = english if language == "en" else russian
        place(range_text, style, text.format(s=stress, f=force, m=modulus))
    for range_text, style in VALUES:
        place(range_text, style, "")
    return grid, covered


def picture_frame(png_bytes):
    top, left = cell_ref(PICTURE[0])
    bottom, right = cell_ref(PICTURE[1])
    width = sum(column_cm(COLUMNS[c]) for c in range(left, right + 1)) - 0.4
    height = sum(ROWS.get(r, DEFAULT_ROW) for r in range(top, bottom + 1)) / 72 * 2.54 - 0.4
    # Keep the drawing's proportions (600 x 520) inside the cell block.
    if width / height > 600 / 520:
        width = height * 600 / 520
    else:
        height = width * 520 / 600
    data = base64.b64encode(png_bytes).decode("ascii")
    return (f'<draw:frame draw:z-index="0" draw:name="Sketch" draw:style-name="gr1" '
            f'svg:width="{width:.3f}cm" svg:height="{height:.3f}cm" svg:x="0.2cm" svg:y="0.2cm">'
            f'<draw:image><office:binary-data>{data}</office:binary-data><text:p/></draw:image>'
            f'</draw:frame>')


def styles_xml():
    parts = []
    for index, chars in enumerate(COLUMNS):
        parts.append(f'<style:style style:name="co{index}" style:family="table-column">'
                     f'<style:table-column-properties fo:break-before="auto" '
                     f'style:column-width="{column_cm(chars):.3f}cm"/></style:style>')
    for row in range(1, LAST_ROW + 1):
        height = ROWS.get(row, DEFAULT_ROW)
        parts.append(f'<style:style style:name="ro{row}" style:family="table-row">'
                     f'<style:table-row-properties style:row-height="{height}pt" '
                     f'style:use-optimal-row-height="false" fo:break-before="auto"/></style:style>')
    for name, (data_style, cell, align, text) in CELL_STYLES.items():
        data = f' style:data-style-name="{data_style}"' if data_style else ""
        parts.append(f'<style:style style:name="{name}" style:family="table-cell" '
                     f'style:parent-style-name="Default"{data}>'
                     f'<style:table-cell-properties {cell}/>'
                     f'<style:paragraph-properties fo:text-align="{align}"/>'
                     f'<style:text-properties style:font-name="Arial" {text}/></style:style>')
    parts.append('<style:style style:name="ta1" style:family="table" style:master-page-name="A4">'
                 '<style:table-properties table:display="true"/></style:style>')
    parts.append('<style:style style:name="gr1" style:family="graphic">'
                 '<style:graphic-properties draw:stroke="none" draw:fill="none"/></style:style>')
    parts.append('<style:page-layout style:name="pm1"><style:page-layout-properties '
                 'fo:page-width="29.7cm" fo:page-height="21cm" style:print-orientation="landscape" '
                 'fo:margin-top="1cm" fo:margin-bottom="1cm" fo:margin-left="1.5cm" '
                 'fo:margin-right="1cm" style:scale-to-X="1" style:scale-to-Y="1" '
                 'style:table-centering="horizontal"/>'
                 '<style:header-style/><style:footer-style/></style:page-layout>')
    return "\n  ".join(parts)


def rows_xml(grid, picture):
    pic_row, pic_column = cell_ref(PICTURE[0])
    lines = []
    for row in range(1, LAST_ROW + 1):
        cells = []
        for column in range(len(COLUMNS)):
            entry = grid.get(row, {}).get(column)
            extra = picture if (row, column) == (pic_row, pic_column) else ""
            if entry is None:
                cells.append(f"<table:table-cell>{extra}</table:table-cell>")
                continue
            style, text, rows, columns = entry
            if text is None:
                cells.append(f'<table:covered-table-cell table:style-name="{style}"/>')
                continue
            span = (f' table:number-rows-spanned="{rows}" table:number-columns-spanned="{columns}"'
                    if rows * columns > 1 else "")
            body = (f' office:value-type="string"><text:p>{escape(text)}</text:p>' if text else ">")
            cells.append(f'<table:table-cell table:style-name="{style}"{span}{body}{extra}'
                         f'</table:table-cell>')
        lines.append(f'<table:table-row table:style-name="ro{row}">{"".join(cells)}</table:table-row>')
    return "\n    ".join(lines)


def hiding_xml(sheet):
    cells, condition = HIDDEN_WHEN_STOPPED
    first, _, last = cells.partition(":")
    return (f'<calcext:conditional-formats><calcext:conditional-format '
            f'calcext:target-range-address="{sheet}.{first}:{sheet}.{last}">'
            f'<calcext:condition calcext:apply-style-name="Hidden_result" '
            f'calcext:value="formula-is({escape(condition)})" calcext:base-cell-address="{sheet}.{first}"/>'
            f'</calcext:conditional-format></calcext:conditional-formats>')


def document(language, units, png_bytes):
    grid, _ = build_grid(language, units)
    sheet = "Form" if language == "en" else "Форма"
    columns = "".join(f'<table:table-column table:style-name="co{i}" '
                      f'table:default-cell-style-name="Default"/>' for i in range(len(COLUMNS)))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
 <office:font-face-decls>
  <style:font-face style:name="Arial" svg:font-family="Arial" style:font-family-generic="swiss"/>
 </office:font-face-decls>
 <office:styles>
  <style:style style:name="Default" style:family="table-cell">
   <style:text-properties style:font-name="Arial" fo:font-size="10pt"/>
  </style:style>
  <style:style style:name="Hidden_result" style:family="table-cell" style:parent-style-name="Default">
   <style:text-properties fo:color="#ffffff"/>
  </style:style>
 </office:styles>
 <office:automatic-styles>
  {DATA_STYLES}
  {styles_xml()}
 </office:automatic-styles>
 <office:master-styles>
  <style:master-page style:name="A4" style:page-layout-name="pm1">
   <style:header style:display="false"/><style:footer style:display="false"/>
  </style:master-page>
 </office:master-styles>
 <office:body>
  <office:spreadsheet>
   <table:table table:name="{sheet}" table:style-name="ta1">
    {columns}
    {rows_xml(grid, picture_frame(png_bytes))}
    {hiding_xml(sheet)}
   </table:table>
  </office:spreadsheet>
 </office:body>
</office:document>
"""


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    folder, picture = sys.argv[1], sys.argv[2]
    with open(picture, "rb") as f:
        png_bytes = f.read()
    for (suffix, language), units in UNITS.items():
        path = os.path.join(folder, f"FormLoad{suffix}_{language}.fods")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(document(language, units, png_bytes))
        print(path)


if __name__ == "__main__":
    main()
