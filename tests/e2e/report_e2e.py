#!/usr/bin/env python3
"""End-to-end check of `orvane report` with one independent reader.

Runs the built program on the example projects and the report fixtures, in
both languages and both unit systems, and reads every workbook back with the
chosen reader:

  xlrd         values against the project, the catalogue and `orvane calc`,
               sheet names in list order, merged ranges, column widths, row
               heights, number formats, the summary sheet's rows (run with
               /usr/bin/python3)
  libreoffice  the workbook converts to .xlsx and every support sheet has its picture
               under xl/media/
  gnumeric     ssconvert reads every sheet
  poi          Apache POI's HSSFWorkbook opens it and sees the picture of every
               support sheet through getDrawingPatriarch()
  pdf          LibreOffice prints the report of extreme values to PDF: one page
               per sheet, no "###", every long number and name in full, and
               each page says which project, date and sheet it is
  statuses     exit statuses of wrong usage and of projects that give no
               report, and that such a run leaves an existing file alone

Exits 77 (skipped) when the reader is not installed.
"""
import argparse
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

SKIP = 77
COMBINATIONS = [("en", "daN"), ("en", "N"), ("ru", "daN"), ("ru", "N")]
WIDTHS = [0.83, 24, 9.71, 8, 7.81, 7, 7, 7, 7, 7, 7, 10.5, 7, 7, 7, 7, 7, 8.43]
# Merged label ranges of the templates: (first row, last row + 1, first
# column, last column + 1), from 0, as xlrd gives them.
MERGED = [(3, 4, 1, 4), (13, 14, 1, 3), (14, 15, 1, 3), (16, 17, 6, 11), (29, 30, 1, 7),
          (32, 33, 1, 18)]
FORMATS = {"D15": "0.00", "E15": "0.00", "H30": "0.00", "H31": "0.0", "H32": "0.00",
           "L18": "0.00E+00"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def cell(address):
    """'E4' -> (row, column) from 0."""
    match = re.fullmatch(r"([A-Z]+)(\d+)", address)
    column = 0
    for letter in match.group(1):
        column = column * 26 + ord(letter) - ord("A") + 1
    return int(match.group(2)) - 1, column - 1


def read_project(path):
    """The climate and the supports of a project file, as the report shows them."""
    with open(path, "rb") as f:
        lines = f.read().decode("cp1251").replace("\r\n", "\n").replace("\r", "\n").split("\n")
    number = lambda text: float(text.replace(",", "."))
    climate = {"E9": 0, "E10": 1, "E8": 2, "E7": 3, "E4": 4, "E11": 5, "E5": 6, "E6": 7,
               "L4": 8, "L5": 9, "L6": 10, "L8": 11, "L9": 12, "L10": 13, "L11": 14}
    project = {address: number(lines[index]) for address, index in climate.items()}
    project["R4"] = int(lines[15].split(";")[0] or 15)
    project["R3"] = {1: "A", 2: "B", 3: "C"}.get(int(lines[16]), "")
    supports = []
    for k in range(max(0, int(lines[17]))):
        block = lines[18 + 22 * k: 40 + 22 * k]
        stress_max = [p for p in block[12].replace(",", ".").split(";") if p]
        stress_avg = [p for p in block[13].replace(",", ".").split(";") if p]
        supports.append({
            "number": block[0][:6], "wire": block[1][:16], "L23": int(block[2]),
            "D20": number(block[3]), "D21": number(block[4]), "D22": number(block[5]),
            "L20": number(block[6]), "D17": number(block[7]), "D18": number(block[8]),
            "D19": number(block[9]), "L21": number(block[10]), "L22": number(block[11]),
            "stress": (float(stress_max[0]), float(stress_avg[0])),
            "tension": (int(stress_max[1]) if len(stress_max) > 1 else 0,
                        int(stress_avg[1]) if len(stress_avg) > 1 else 0),
            "D23": number(block[14]), "D24": number(block[15]), "D25": number(block[16]),
            "D26": number(block[17]), "D27": number(block[18]), "D28": number(block[19]),
        })
    return project, supports


def read_catalogue(source):
    wires = {}
    with open(os.path.join(source, "data", "wires.csv"), encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split(";")
            wires[parts[0]] = [float(p) for p in parts[1:6]]
    return wires


class Run:
    def __init__(self, args):
        self.program = args.program
        self.source = args.source
        self.work = args.work
        self.catalogue = os.path.join(os.path.dirname(args.program), "base_provod.dat")
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        home = os.path.join(self.work, "home")
        os.makedirs(home)
        # The program's stored settings and shared catalogue stay in here.
        self.env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                        XDG_DATA_HOME=os.path.join(home, "data"),
                        ORVANE_DATA_DIR=os.path.join(home, "shared"), QT_QPA_PLATFORM="offscreen")

    def projects(self):
        found = sorted(glob.glob(os.path.join(self.source, "examples", "*.orv")))
        found += sorted(glob.glob(os.path.join(self.source, "tests", "data", "report", "*.orv")))
        return found

    @staticmethod
    def status_of(project):
        """The report is written either way; like calc, its status is 1 when
        a support gave no result, as some of the edge cases do on purpose."""
        return 1 if os.path.basename(project) in ("edge_cases.orv", "extreme_values.orv") else 0

    def orvane(self, *words):
        return subprocess.run([self.program, *words], env=self.env, capture_output=True)

    def reports(self):
        """Yields (project path, language, units, report path)."""
        check(os.path.exists(self.catalogue), f"no catalogue beside the program: {self.catalogue}")
        projects = self.projects()
        check(projects, "no projects to report")
        for project in projects:
            for language, units in COMBINATIONS:
                name = f"{os.path.splitext(os.path.basename(project))[0]}_{language}_{units}.xls"
                out = os.path.join(self.work, name)
                done = self.orvane("report", project, "-o", out, "--catalog", self.catalogue,
                                   "--lang", language, "--units", units)
                check(done.returncode == self.status_of(project),
                      f"orvane report {project} --lang {language} --units {units} ended with "
                      f"{done.returncode}: {done.stderr.decode(errors='replace')}")
                check(os.path.getsize(out) > 0, f"{out} is empty")
                yield project, language, units, out

    def calc(self, project, language):
        done = self.orvane("calc", project, "--catalog", self.catalogue, "--lang", language,
                           "--format", "json")
        return json.loads(done.stdout.decode("utf-8"))


def check_xlrd(run):
    try:
        import xlrd
    except ImportError:
        return SKIP
    wires = read_catalogue(run.source)
    sheets = 0
    for project_path, language, units, out in run.reports():
        project, supports = read_project(project_path)
        results = run.calc(project_path, language)["supports"]
        book = xlrd.open_workbook(out, formatting_info=True)
        where = os.path.basename(out)
        word = "Support" if language == "en" else "Опора"
        check(book.sheet_names() == [f"{word} №{s['number']}" for s in supports] + [SUMMARY[language]],
              f"{where}: sheet names {book.sheet_names()}")
        for index, sheet in enumerate(book.sheets()[:len(supports)]):
            at = f"{where}, sheet {sheet.name}"
            check_layout(book, sheet, at)
            check_project_cells(sheet, project, at)
            check_support_cells(sheet, supports[index], wires, units, at)
            check_result_cells(sheet, supports[index], results[index], units, at)
            sheets += 1
        check_summary(book.sheets()[-1], results, units, f"{where}, summary")
        sheets += 1
    check_stored_settings(run, xlrd)
    print(f"xlrd: {sheets} sheets checked")
    return 0


SUMMARY = {"en": "Summary", "ru": "Сводка"}


def check_summary(sheet, results, units, at):
    """One row per support after the headings, as orvane calc gives it."""
    check(sheet.nrows == len(results) + 1, f"{at}: {sheet.nrows} rows")
    factor = 0.01 if units == "N" else 1.0
    xf = sheet.book.xf_list[sheet.cell_xf_index(1, 2)]
    shown = sheet.book.format_map[xf.format_key].format_str
    check(shown == "0.0", f"{at}: the left span has the format {shown!r}")
    for row, result in enumerate(results, start=1):
        where = f"{at}, row {row + 1}"
        check(sheet.cell_value(row, 0) == result["number"], f"{where}: number {sheet.cell_value(row, 0)!r}")
        check(sheet.cell_value(row, 1) == result["wire"], f"{where}: wire {sheet.cell_value(row, 1)!r}")
        for column, key in ((4, "balancing_load"), (6, "min_weight_span")):
            got = sheet.cell_value(row, column)
            check(got == "" if result[key] is None else close(got, result[key]), f"{where}: {key} {got!r}")
        vertical, load = sheet.cell_value(row, 8), result["vertical_load_min_temp"]
        check(vertical == "" if load is None else close(vertical, load * factor), f"{where}: vertical {vertical!r}")
        verdict = " ".join((result["verdict"] or "").splitlines())
        check(sheet.cell_value(row, 9) == verdict, f"{where}: verdict {sheet.cell_value(row, 9)!r}")


def check_stored_settings(run, xlrd):
    """Without --lang and --units the stored settings choose, and stay as stored."""
    conf = os.path.join(run.env["XDG_CONFIG_HOME"], "Mirvex", "Quorin.conf")
    os.makedirs(os.path.dirname(conf), exist_ok=True)
    stored = "[Param]\nLanguage=0\nUnits=1\n"
    with open(conf, "w") as f:
        f.write(stored)
    project = os.path.join(run.source, "tests", "data", "report", "edge_cases.orv")
    out = os.path.join(run.work, "stored_settings.xls")
    done = run.orvane("report", project, "-o", out, "--catalog", run.catalogue)
    check(done.returncode == run.status_of(project), f"report with the stored settings: {done.stderr.decode(errors='replace')}")
    sheet = xlrd.open_workbook(out).sheet_by_index(0)
    check(sheet.name == "Support №1", f"stored English: the sheet is {sheet.name!r}")
    check(value(sheet, "G17") == "Modulus of elasticity, kN/mm²", f"stored N units: {value(sheet, 'G17')!r}")
    check(close(value(sheet, "L17"), 82.5), f"stored N units: L17 is {value(sheet, 'L17')!r}")
    with open(conf) as f:
        check(f.read() == stored, "the stored settings were written")


def value(sheet, address):
    row, column = cell(address)
    return sheet.cell_value(row, column)


def close(a, b):
    return abs(a - b) <= 1e-9 * max(1.0, abs(b))


def check_layout(book, sheet, at):
    for column, width in enumerate(WIDTHS):
        stored = sheet.colinfo_map[column].width / 256
        check(abs(stored - width) < 0.01, f"{at}: column {column} is {stored} wide")
    check(sheet.rowinfo_map[14].height == 495, f"{at}: row 15 is {sheet.rowinfo_map[14].height} twips")
    merged = set(sheet.merged_cells)
    for wanted in MERGED:
        check(wanted in merged, f"{at}: range {wanted} is not merged")
    for address, wanted in FORMATS.items():
        row, column = cell(address)
        xf = book.xf_list[sheet.cell_xf_index(row, column)]
        shown = book.format_map[xf.format_key].format_str
        check(shown == wanted, f"{at}: {address} has the format {shown!r}")


def check_project_cells(sheet, project, at):
    for address, wanted in project.items():
        got = value(sheet, address)
        check(got == wanted, f"{at}: {address} is {got!r}, the project has {wanted!r}")


def check_support_cells(sheet, support, wires, units, at):
    diameter, area, weight, modulus, expansion = wires[support["wire"]]
    force, stress = (1.0, 1.0) if units == "daN" else (0.01, 10.0)
    if support["tension"][0] > 0:
        limits = [stress * t / area for t in support["tension"]] + [force * t for t in support["tension"]]
    else:
        limits = [stress * s for s in support["stress"]] + [force * s * area for s in support["stress"]]
    expected = dict(zip(["D15", "D16", "E15", "E16"], limits))
    expected.update({"L14": diameter, "L15": area, "L16": weight, "L17": force * modulus,
                     "L18": expansion})
    expected.update({k: v for k, v in support.items() if re.fullmatch(r"[A-Z]\d+", k)})
    for address, wanted in expected.items():
        got = value(sheet, address)
        check(isinstance(got, float) and close(got, wanted),
              f"{at}: {address} is {got!r}, expected {wanted!r}")
    check(value(sheet, "D14") == support["wire"], f"{at}: D14 is {value(sheet, 'D14')!r}")
    check(value(sheet, "B13").endswith(" " + support["number"]), f"{at}: B13 is {value(sheet, 'B13')!r}")


def check_result_cells(sheet, support, result, units, at):
    check(result["error"] is None, f"{at}: orvane calc failed: {result['error']}")
    check(value(sheet, "B33") == (result["verdict"] or ""), f"{at}: B33 is {value(sheet, 'B33')!r}")
    # In the report's force unit, as its row says.
    load = (result["vertical_load_min_temp"] or 0.0) * (1.0 if units == "daN" else 0.01)
    check(close(value(sheet, "H32"), -load), f"{at}: H32 is {value(sheet, 'H32')!r}, load {load}")
    if support["L22"] == 0:
        for address in ("B30", "B31", "H30", "H31"):
            check(value(sheet, address) == "", f"{at}: {address} holds {value(sheet, address)!r}")
        return
    check(value(sheet, "B30") != "" and value(sheet, "B31") != "", f"{at}: B30/B31 empty")
    for address, key in (("H30", "balancing_load"), ("H31", "min_weight_span")):
        wanted = result[key] or 0.0
        check(close(value(sheet, address), wanted), f"{at}: {address} is {value(sheet, address)!r}, "
              f"orvane calc gives {wanted}")


def libreoffice_profile(run):
    return "file://" + os.path.join(run.work, "lo-profile")


def check_libreoffice(run):
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice:
        return SKIP
    for project_path, _, _, out in run.reports():
        _, supports = read_project(project_path)
        done = subprocess.run([soffice, f"-env:UserInstallation={libreoffice_profile(run)}",
                               "--headless", "--norestore", "--convert-to", "xlsx", "--outdir",
                               run.work, out], env=run.env, capture_output=True, timeout=300)
        xlsx = os.path.splitext(out)[0] + ".xlsx"
        check(done.returncode == 0 and os.path.exists(xlsx), f"LibreOffice did not convert {out}")
        with zipfile.ZipFile(xlsx) as archive:
            names = set(archive.namelist())
            sheets = [n for n in names if re.fullmatch(r"xl/worksheets/sheet\d+\.xml", n)]
            check(len(sheets) == len(supports) + 1, f"{xlsx}: {len(sheets)} sheets")
            for index in range(1, len(supports) + 1):  # the summary has no picture
                check_sheet_picture(archive, names, f"xl/worksheets/sheet{index}.xml", xlsx)
    return 0


def relations(archive, names, part):
    folder, base = os.path.split(part)
    rels = f"{folder}/_rels/{base}.rels"
    if rels not in names:
        return []
    text = archive.read(rels).decode("utf-8")
    return [os.path.normpath(os.path.join(folder, target)).replace(os.sep, "/")
            for target in re.findall(r'Target="([^"]+)"', text)]


def check_sheet_picture(archive, names, sheet, xlsx):
    drawings = [t for t in relations(archive, names, sheet) if "/drawings/" in t]
    check(drawings, f"{xlsx}: {sheet} has no drawing")
    media = [t for d in drawings for t in relations(archive, names, d) if t.startswith("xl/media/")]
    check(media and all(m in names for m in media), f"{xlsx}: {sheet} shows no picture")


def check_gnumeric(run):
    ssconvert = shutil.which("ssconvert")
    if not ssconvert:
        return SKIP
    for project_path, _, _, out in run.reports():
        _, supports = read_project(project_path)
        pattern = os.path.splitext(out)[0] + ".%n.csv"
        done = subprocess.run([ssconvert, "-S", "--export-type=Gnumeric_stf:stf_csv", out, pattern],
                              env=run.env, capture_output=True, timeout=300)
        check(done.returncode == 0, f"ssconvert failed on {out}: {done.stderr.decode(errors='replace')}")
        for index, support in enumerate(supports):
            with open(pattern.replace("%n", str(index)), encoding="utf-8") as f:
                text = f.read()
            check(support["wire"] in text, f"ssconvert: sheet {index} of {out} lacks its wire")
    return 0


POI_PROGRAM = """
import java.io.FileInputStream;
import org.apache.poi.hssf.usermodel.*;

public class PoiCheck {
  public static void main(String[] args) throws Exception {
    for (String path : args) {
      try (HSSFWorkbook book = new HSSFWorkbook(new FileInputStream(path))) {
        for (int i = 0; i < book.getNumberOfSheets(); i++) {
          HSSFSheet sheet = book.getSheetAt(i);
          HSSFPatriarch drawing = sheet.getDrawingPatriarch();
          int pictures = 0;
          if (drawing != null)
            for (HSSFShape shape : drawing.getChildren())
              if (shape instanceof HSSFPicture && ((HSSFPicture) shape).getPictureData() != null)
                pictures++;
          HSSFRow row = sheet.getRow(13);
          String wire = row == null || row.getCell(3) == null ? "" : row.getCell(3).toString();
          System.out.println(path + "\\t" + i + "\\t" + pictures + "\\t" + wire);
        }
      }
    }
  }
}
"""


def check_poi(run):
    java = shutil.which("java")
    jars = glob.glob("/usr/share/java/poi.jar")
    if not java or not jars:
        return SKIP
    classpath = ":".join(["/usr/share/java/poi.jar"] + [
        j for name in ("commons-collections4", "commons-math3", "commons-codec", "commons-io")
        for j in glob.glob(f"/usr/share/java/{name}.jar")])
    source = os.path.join(run.work, "PoiCheck.java")
    with open(source, "w") as f:
        f.write(POI_PROGRAM)
    reports = list(run.reports())
    done = subprocess.run([java, "-cp", classpath, source] + [r[3] for r in reports],
                          env=run.env, capture_output=True, timeout=600)
    check(done.returncode == 0, f"Apache POI failed: {done.stderr.decode(errors='replace')[-3000:]}")
    seen = {}
    for line in done.stdout.decode("utf-8").splitlines():
        path, index, pictures, wire = line.split("\t")
        seen.setdefault(path, []).append((int(pictures), wire))
    for project_path, _, _, out in reports:
        _, supports = read_project(project_path)
        sheets = seen.get(out, [])
        check(len(sheets) == len(supports) + 1, f"Apache POI: {len(sheets)} sheets in {out}")
        support_sheets = sheets[:len(supports)]  # the summary comes last, without a picture
        check(all(pictures >= 1 for pictures, _ in support_sheets), f"Apache POI sees a sheet without picture in {out}")
        check([wire for _, wire in support_sheets] == [s["wire"] for s in supports],
              f"Apache POI: wires of {out}: {support_sheets}")
    return 0


def pdf_pages(run, soffice, xls):
    """The text of every page LibreOffice prints of `xls`."""
    done = subprocess.run([soffice, f"-env:UserInstallation={libreoffice_profile(run)}", "--headless",
                           "--norestore", "--convert-to", "pdf", "--outdir", run.work, xls],
                          env=run.env, capture_output=True, timeout=300)
    pdf = os.path.splitext(xls)[0] + ".pdf"
    check(done.returncode == 0 and os.path.exists(pdf), f"LibreOffice did not print {xls}")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True).stdout
    return text.decode("utf-8").split("\f")[:-1]


# What the report of extreme_values.orv must show in full, per sheet: the
# wire, the tension at the highest stress (daN, kN) and the span.
EXTREME = [("АС 700/86", {"daN": "10434.15", "N": "104.34"}, "1500.75"),
           ("СИП2 3x35+1x54.6", {"daN": "354.90", "N": "3.55"}, "10185.5"),
           ("АС 700/86", {"daN": "10434.15", "N": "104.34"}, "400")]


def check_pdf(run):
    soffice = shutil.which("soffice") or shutil.which("libreoffice")
    if not soffice or not shutil.which("pdftotext"):
        return SKIP
    project = os.path.join(run.source, "tests", "data", "report", "extreme_values.orv")
    for language, units in COMBINATIONS:
        xls = os.path.join(run.work, f"extreme_{language}_{units}.xls")
        done = run.orvane("report", project, "-o", xls, "--catalog", run.catalogue, "--lang", language,
                          "--units", units)
        check(done.returncode == run.status_of(project), f"report of {project}: {done.stderr.decode(errors='replace')}")
        pages = pdf_pages(run, soffice, xls)
        at = os.path.basename(xls)
        sheet, of = ("Sheet", "of") if language == "en" else ("Лист", "из")
        # One page per support sheet; the summary sheet follows them.
        check(len(pages) > len(EXTREME), f"{at}: {len(pages)} pages for {len(EXTREME)} supports")
        for number, page in enumerate(pages[:len(EXTREME)], 1):
            check(f"{number} {of} {len(EXTREME)}" in page, f"{at}: page {number} is not sheet {number}")
        check(all("###" not in page for page in pages[len(EXTREME):]), f"{at}: the summary shows ###")
        check(len(pages) == len(EXTREME) + 1, f"{at}: the summary takes {len(pages) - len(EXTREME)} pages")
        check("16648.0 " in pages[-1] and "16647.95" not in pages[-1], f"{at}: summary numbers:\n{pages[-1]}")
        for number, (page, (wire, tension, span)) in enumerate(zip(pages, EXTREME), 1):
            where = f"{at}, page {number}"
            words = page.split()
            check("###" not in page, f"{where} shows ###:\n{page}")
            for whole in (tension[units], span, "extreme_values.orv", f"{number} {of} {len(EXTREME)}"):
                check(whole in page, f"{where} lacks {whole!r}:\n{page}")
            check(wire in page, f"{where}: the wire {wire!r} is cut:\n{page}")
            check(sheet in words, f"{where} does not say which sheet it is")
        # (Its zero results are hidden by colour, which a text extraction
        # does not see.)
        stopped = "No result:" if language == "en" else "Нет результата:"
        check(stopped in pages[2] and "Alfa" in pages[2], f"{at}: the refused support says nothing")
    print(f"pdf: {len(COMBINATIONS)} reports of {len(EXTREME)} sheets checked")
    return 0


STATUS_CASES = [
    # (what, words after "report" with {out} and {data}, exit status)
    ("no project", ["-o", "{out}"], 2),
    ("no output", ["{data}/failing/missing_wire.orv"], 2),
    ("two projects", ["{data}/edge_cases.orv", "{data}/edge_cases.orv", "-o", "{out}"], 2),
    ("an option of calc", ["{data}/edge_cases.orv", "-o", "{out}", "--format", "json"], 2),
    ("a wrong unit", ["{data}/edge_cases.orv", "-o", "{out}", "--units", "kN"], 2),
    ("a missing project", ["{data}/none.orv", "-o", "{out}"], 1),
    ("a missing catalogue", ["{data}/edge_cases.orv", "-o", "{out}", "--catalog", "{data}/none.dat"], 1),
    ("a missing wire", ["{data}/failing/missing_wire.orv", "-o", "{out}"], 1),
    ("no supports", ["{data}/failing/no_supports.orv", "-o", "{out}"], 1),
    ("duplicate numbers", ["{data}/failing/duplicate_numbers.orv", "-o", "{out}"], 1),
]


def check_open_without_display(run, data):
    """--open with no display to show it on still leaves the finished report."""
    out = os.path.join(run.work, "opened.xls")
    env = {k: v for k, v in run.env.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    project = os.path.join(data, "edge_cases.orv")
    done = subprocess.run([run.program, "report", project, "-o", out,
                           "--catalog", run.catalogue, "--open"], env=env, capture_output=True)
    err = done.stderr.decode(errors="replace")
    check(done.returncode == run.status_of(project) and os.path.getsize(out) > 0,
          f"--open without a display: {err}")
    check("warning: No display to open the report on" in err, f"--open without a display said {err!r}")


def check_statuses(run):
    data = os.path.join(run.source, "tests", "data", "report")
    out = os.path.join(run.work, "kept.xls")
    for what, words, status in STATUS_CASES:
        with open(out, "wb") as f:
            f.write(b"an earlier report")
        words = [w.format(out=out, data=data) for w in words]
        if "--catalog" not in words and status == 1:
            words += ["--catalog", run.catalogue]
        done = run.orvane("report", *words)
        err = done.stderr.decode(errors="replace")
        check(done.returncode == status, f"{what}: status {done.returncode}, not {status}: {err}")
        check(err.strip() != "", f"{what}: nothing said on stderr")
        with open(out, "rb") as f:
            check(f.read() == b"an earlier report", f"{what}: the existing file was changed")
    leftovers = [n for n in os.listdir(run.work) if n not in ("kept.xls", "home")]
    check(not leftovers, f"files left behind: {leftovers}")
    check_open_without_display(run, data)
    print(f"statuses: {len(STATUS_CASES)} runs checked")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--reader", required=True,
                        choices=["xlrd", "libreoffice", "gnumeric", "poi", "pdf", "statuses"])
    parser.add_argument("--program", required=True)
    parser.add_argument("--source", required=True)
    parser.add_argument("--work", default=None)
    args = parser.parse_args()
    args.work = args.work or tempfile.mkdtemp(prefix="orvane-e2e-")
    run = Run(args)
    try:
        status = {"xlrd": check_xlrd, "libreoffice": check_libreoffice, "gnumeric": check_gnumeric,
                  "poi": check_poi, "pdf": check_pdf, "statuses": check_statuses}[args.reader](run)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print("skipped: the reader is not installed" if status == SKIP else "ok")
    return status


if __name__ == "__main__":
    sys.exit(main())
