#!/usr/bin/python3
# Writes template.fods (flat OpenDocument spreadsheet) with labels, borders, a
# merged range, landscape page setup and a PNG picture, then converts it with
# LibreOffice (libreoffice_template.xls) and Gnumeric (gnumeric_template.xls);
# the same sheet with a picture too large for one record becomes
# libreoffice_large_picture.xls.
# Run from this folder.
import base64
import os
import random
import shutil
import struct
import subprocess
import tempfile
import zlib


def png(width=24, height=12, noisy=False):
    if noisy:  # incompressible, so the picture store outgrows one record
        rng = random.Random(7)
        raw = b"".join(b"\0" + bytes(rng.randrange(256) for _ in range(3 * width)) for _ in range(height))
    else:
        raw = b"".join(b"\0" + b"".join(bytes(((y + x) * 10 % 256, 120, 200)) for x in range(width))
                       for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


ROWS = "".join(
    f'<table:table-row><table:table-cell/><table:table-cell table:style-name="boxed" office:value-type="string">'
    f'<text:p>Label {r}</text:p></table:table-cell><table:table-cell/><table:table-cell/>'
    f'<table:table-cell table:style-name="boxed" office:value-type="float" office:value="{r * 1.5}"/>'
    f'<table:table-cell table:formula="of:=[.E{r + 1}]*2" office:value-type="float" office:value="{r * 3.0}"/>'
    f'<table:table-cell table:formula="of:=&quot;L&quot;&amp;[.B{r + 1}]" office:value-type="string" office:string-value="LLabel {r}"/>'
    f'</table:table-row>'
    for r in range(3, 12))

FODS = f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
 <style:style style:name="co1" style:family="table-column"><style:table-column-properties style:column-width="0.2in"/></style:style>
 <style:style style:name="co2" style:family="table-column"><style:table-column-properties style:column-width="1.8in"/></style:style>
 <style:style style:name="ro1" style:family="table-row"><style:table-row-properties style:row-height="0.35in" style:use-optimal-row-height="false"/></style:style>
 <style:style style:name="boxed" style:family="table-cell"><style:table-cell-properties fo:border="0.74pt solid #000000"/><style:text-properties fo:font-weight="bold"/></style:style>
 <style:style style:name="ta1" style:family="table" style:master-page-name="Landscape"><style:table-properties table:display="true"/></style:style>
 <style:page-layout style:name="pm1"><style:page-layout-properties style:print-orientation="landscape" fo:page-width="11.69in" fo:page-height="8.27in" fo:margin-top="0.4in" fo:margin-bottom="0.4in" fo:margin-left="0.5in" fo:margin-right="0.5in"/></style:page-layout>
</office:automatic-styles>
<office:master-styles><style:master-page style:name="Landscape" style:page-layout-name="pm1"/></office:master-styles>
<office:body><office:spreadsheet>
<table:table table:name="Template" table:style-name="ta1" table:print-ranges="Template.A1:R40">
 <table:shapes><draw:frame draw:name="Picture 1" svg:x="0.3in" svg:y="3.2in" svg:width="1in" svg:height="0.5in"><draw:image><office:binary-data>{base64.b64encode(png()).decode()}</office:binary-data></draw:image></draw:frame></table:shapes>
 <table:table-column table:style-name="co1"/><table:table-column table:style-name="co2"/><table:table-column table:number-columns-repeated="4"/>
 <table:table-row><table:table-cell/><table:table-cell table:number-columns-spanned="5" table:number-rows-spanned="1" office:value-type="string"><text:p>Balancing load of a support</text:p></table:table-cell><table:covered-table-cell table:number-columns-repeated="4"/></table:table-row>
 <table:table-row table:number-rows-repeated="2"><table:table-cell/></table:table-row>
 {ROWS}
 <table:table-row><table:table-cell/><table:table-cell table:style-name="boxed" office:value-type="string"><text:p>Опора №1</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="42"/></table:table-row>
 <table:table-row><table:table-cell/><table:table-cell office:value-type="float" office:value="1"/><table:table-cell table:style-name="boxed" office:value-type="float" office:value="2"/><table:table-cell office:value-type="float" office:value="3.5"/><table:table-cell table:style-name="boxed" office:value-type="float" office:value="4"/><table:table-cell table:style-name="boxed"/><table:table-cell/><table:table-cell table:style-name="boxed"/><table:table-cell table:style-name="boxed"/></table:table-row>
 <table:table-row table:style-name="ro1"><table:table-cell/><table:table-cell office:value-type="string"><text:p>tall row</text:p></table:table-cell></table:table-row>
</table:table>
<table:table table:name="Notes"><table:table-row><table:table-cell office:value-type="string"><text:p>second sheet</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document>
"""

with open("template.fods", "w", encoding="utf-8") as out:
    out.write(FODS)
with open(os.path.join(tempfile.gettempdir(), "large_picture.fods"), "w", encoding="utf-8") as out:
    out.write(FODS.replace(base64.b64encode(png()).decode(), base64.b64encode(png(90, 90, True)).decode()))
work = tempfile.mkdtemp()
for source in ("template.fods", os.path.join(tempfile.gettempdir(), "large_picture.fods")):
    subprocess.run(["soffice", f"-env:UserInstallation=file://{work}/profile", "--headless", "--convert-to", "xls",
                    "--outdir", work, source], check=True, capture_output=True)
shutil.copy(os.path.join(work, "template.xls"), "libreoffice_template.xls")
shutil.copy(os.path.join(work, "large_picture.xls"), "libreoffice_large_picture.xls")
subprocess.run(["ssconvert", "libreoffice_template.xls", "gnumeric_template.xls"], check=True, capture_output=True)
shutil.rmtree(work)
