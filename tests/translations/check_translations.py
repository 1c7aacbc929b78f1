"""Every language of the program is complete.

The languages are those that any translation file or translated document
names. For each: every area's .ts file exists; lupdate runs over the sources
into a copy of it, so that a text added to the code without a translation
shows up as unfinished; each translation is finished, not empty, keeps the
placeholders of its source and a mnemonic where the source has one; lrelease
compiles it without a warning. Each explanation page, the wizard's
introduction and the help file and its contents have the language's version,
and the package's menu entry and metainfo its lines.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Which sources each area's translation file covers; together, every folder
# with texts.
AREAS = {
    "window": ["mainwindow", "output"],
    "setup": ["setup", "product", "settings", "platform", "launcher", "cleanup"],
    "cli": ["cli"],
    "engine": ["engine"],
}
TS_NAME = re.compile(r"pecunor_([a-z]+)_([A-Za-z]+(?:_[A-Za-z]+)?)\.ts$")
DOCUMENT_NAME = re.compile(r"(\d+-[^.]+)(?:\.([^.]+))?\.html$")
HELP_NAME = re.compile(r"OPecu97\.([^.]+)\.(hlp|cnt)$")
PLACEHOLDER = re.compile(r"%L?\d+")
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
failures = []


def fail(what):
    print("FAIL " + what)
    failures.append(what)


def mnemonic(text):
    # "&&" is a literal ampersand, "&x" underlines x.
    return re.search(r"(?<!&)&(?!&)\S", text.replace("&&", "")) is not None


def check_messages(ts_file, name):
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{name} [{context_name}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            forms = [form.text or "" for form in translation.iter("numerusform")] if translation is not None else []
            texts = forms or [translation.text or "" if translation is not None else ""]
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                fail(f"{where}: {kind}")
                continue
            for text in texts:
                if not text.strip():
                    fail(f"{where}: empty translation")
                elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                    fail(f"{where}: placeholders differ in {text!r}")
                elif mnemonic(source) and not mnemonic(text):
                    fail(f"{where}: the mnemonic is lost in {text!r}")


def check_ts(root, scratch, area, language):
    name = f"pecunor_{area}_{language}.ts"
    original = root / "resources" / "translations" / name
    if not original.exists():
        fail(f"{name} is missing")
        return
    declared = ElementTree.parse(original).getroot().get("language")
    if declared != language:
        fail(f"{name} declares the language {declared!r}")
    copy = scratch / name
    shutil.copy(original, copy)
    subprocess.run([LUPDATE, *[str(root / d) for d in AREAS[area]], "-no-obsolete", "-locations", "none",
                    "-silent", "-ts", str(copy)], check=True, capture_output=True)
    check_messages(copy, name)
    compiled = subprocess.run([LRELEASE, str(original), "-qm", str(scratch / "out.qm")],
                              capture_output=True, text=True, check=True)
    report = compiled.stdout + compiled.stderr
    if "warning" in report.lower() or " 0 unfinished" not in report:
        fail(f"{name}: lrelease reports {report.strip()!r}")


def languages_found(root):
    """Each language any file names, with the English documents to translate."""
    languages = set()
    for path in (root / "resources" / "translations").glob("*.ts"):
        match = TS_NAME.match(path.name)
        if not match or match.group(1) not in AREAS:
            fail(f"{path.name} is not pecunor_<{'|'.join(AREAS)}>_<language>.ts")
        else:
            languages.add(match.group(2))
    documents = []
    for folder in ("explanations", "setup"):
        for path in sorted((root / "resources" / folder).glob("[0-9]*-*.html")):
            base, language = DOCUMENT_NAME.match(path.name).groups()
            if language:
                languages.add(language)
            else:
                documents.append((path.parent, base))
    for path in (root / "resources" / "help").glob("OPecu97.*.*"):
        if match := HELP_NAME.match(path.name):
            languages.add(match.group(1))
    return sorted(languages), documents


def check_documents(root, language, documents):
    for folder, base in documents:
        if not (folder / f"{base}.{language}.html").exists():
            fail(f"{folder.name}/{base}.{language}.html is missing")
    for suffix in ("hlp", "cnt"):
        if not (root / "resources" / "help" / f"OPecu97.{language}.{suffix}").exists():
            fail(f"help/OPecu97.{language}.{suffix} is missing")


def check_package(root, language):
    packaging = root / "packaging"
    for entry in packaging.glob("*.desktop"):
        keys = {line.split("=", 1)[0] for line in entry.read_text(encoding="utf-8").splitlines() if "=" in line}
        for key in ("Name", "GenericName", "Comment", "Keywords"):
            if key in keys and f"{key}[{language}]" not in keys:
                fail(f"{entry.name}: no {key}[{language}]")
    for metainfo in packaging.glob("*.metainfo.xml"):
        tree = ElementTree.parse(metainfo).getroot()
        for tag in ("name", "summary", "description"):
            translated = {element.get(XML_LANG) for element in tree.iter()
                          if element.tag == "p" and tag == "description" or element.tag == tag}
            if tree.find(tag) is not None and language not in translated:
                fail(f"{metainfo.name}: no {tag} in {language}")


def main(root):
    root = pathlib.Path(root)
    languages, documents = languages_found(root)
    if not languages:
        fail("no translated language found")
    with tempfile.TemporaryDirectory() as scratch:
        for language in languages:
            for area in AREAS:
                check_ts(root, pathlib.Path(scratch), area, language)
            check_documents(root, language, documents)
            check_package(root, language)
    print(f"languages {', '.join(languages)}: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    LUPDATE, LRELEASE = sys.argv[1:3]
    sys.exit(main(sys.argv[3]))
