#!/usr/bin/env python3
"""Keeps the translations of texts that moved to another class.

    scripts/ts-carry-over.py [--build DIR]

A text moved from one class to another changes its translation context, and a fresh
extraction would list it as untranslated. This script copies the translation files,
refreshes them from the sources (the update_translations target), and fills each
entry left unfinished with the finished translation the same source text had before:
in the same context when there was one, else in any context (the one used most).
"""
import argparse, collections, html, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = os.path.join(ROOT, "resources", "translations")


def known_translations(path):
    by_context, by_source = {}, collections.defaultdict(collections.Counter)
    for ctx in ET.parse(path).getroot().iter("context"):
        name = ctx.findtext("name")
        for m in ctx.iter("message"):
            t = m.find("translation")
            if t is None or t.get("type") is not None or not (t.text or "").strip():
                continue
            src = m.findtext("source")
            by_context[(name, src)] = t.text
            by_source[src][t.text] += 1
    return by_context, by_source


def fill(path, by_context, by_source):
    text = open(path, encoding="utf-8").read()
    out, pos, filled, missing, context = [], 0, 0, [], None
    pattern = r"<context>\s*<name>(.*?)</name>|<message>(.*?)</message>"
    for m in re.finditer(pattern, text, re.S):
        if m.group(1) is not None:
            context = html.unescape(m.group(1))
            continue
        body = m.group(2)
        src = re.search(r"<source>(.*?)</source>", body, re.S)
        tr = re.search(r'<translation type="unfinished">(.*?)</translation>|'
                       r'<translation type="unfinished"/>', body, re.S)
        if not src or not tr:
            continue
        source = html.unescape(src.group(1))
        value = by_context.get((context, source))
        if value is None and by_source.get(source):
            value = by_source[source].most_common(1)[0][0]
        if value is None:
            missing.append((context, source))
            continue
        escaped = html.escape(value, quote=False).replace('"', "&quot;").replace("'", "&apos;")
        start, end = m.start(2) + tr.start(), m.start(2) + tr.end()
        out += [text[pos:start], "<translation>" + escaped + "</translation>"]
        pos, filled = end, filled + 1
    out.append(text[pos:])
    open(path, "w", encoding="utf-8").write("".join(out))
    return filled, missing


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    args = parser.parse_args()
    files = sorted(f for f in os.listdir(TS_DIR) if f.endswith(".ts"))
    with tempfile.TemporaryDirectory() as before:
        for f in files:
            shutil.copy(os.path.join(TS_DIR, f), before)
        subprocess.run(["cmake", "--build", args.build, "--target", "update_translations"],
                       check=True, stdout=subprocess.DEVNULL)
        status = 0
        for f in files:
            filled, missing = fill(os.path.join(TS_DIR, f), *known_translations(os.path.join(before, f)))
            print(f"{f}: {filled} carried over, {len(missing)} still unfinished")
            for context, source in missing:
                print(f"  {context}: {source}")
                status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
