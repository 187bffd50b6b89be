#!/usr/bin/python3
# Writes xlwt_template.xls: a report-like sheet with labels, borders, a merged
# range, page setup, a picture and a second sheet. Run from this folder.
import struct
import xlwt


def write_bitmap(path, width=16, height=8):
    row = b"".join(bytes((x * 16 % 256, 80, 200 - x * 8)) for x in range(width))
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + pixels)


book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Template")
thin = xlwt.easyxf("borders: left thin, right thin, top thin, bottom thin; font: bold on")
number = xlwt.easyxf("borders: left thin, right thin, top thin, bottom thin", num_format_str="0.00")
sheet.write_merge(0, 0, 1, 5, "Balancing load of a support", xlwt.easyxf("align: horiz center; font: bold on, height 280"))
for row in range(3, 12):
    sheet.write(row, 1, "Label %d" % row, thin)
    sheet.write(row, 4, row * 1.5, number)
sheet.write(12, 1, "Опора", thin)
sheet.write(12, 2, 42)
sheet.col(1).width = 24 * 256
sheet.row(14).height_mismatch = True
sheet.row(14).height = 495
sheet.portrait = False
sheet.fit_num_pages = 1
sheet.header_str = b"&P"
sheet.top_margin = 0.5
write_bitmap("/tmp/orvane_xls_picture.bmp")
sheet.insert_bitmap("/tmp/orvane_xls_picture.bmp", 16, 2)
other = book.add_sheet("Notes")
other.write(0, 0, "second sheet")
book.save("xlwt_template.xls")
