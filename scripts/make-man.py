#!/usr/bin/env python3
"""Writes a gzip-compressed manual page from a program's own --help, so the page never drifts
from the program. For a program with subcommands (--commands), each subcommand's --help becomes
a section of its own.

make-man.py PROGRAM NAME VERSION OUTPUT.1.gz [--commands] [--lang CODE]
make-man.py --gzip INPUT OUTPUT.gz     (the same compression for the package's change log)

--lang CODE is passed to the program before --help: a program that speaks the user's language
writes the page in the language of the headings this script knows (en).
"""
import gzip
import re
import subprocess
import sys


LANG_ARGS = []


def run_help(program, *args):
    return subprocess.run([program, *LANG_ARGS, *args, "--help"], check=True, capture_output=True,
                          text=True, env={"LC_ALL": "C.UTF-8"}).stdout


def esc(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


ROW = re.compile(r"^\s{2,}(\S.*?)\s{2,}(\S.*)$")
HEAD = re.compile(r"^([A-Z][A-Za-z ]*):$")


def help_to_roff(text, name, top=True):
    """Headings ("Options:") become subsections (bold lines within a command), aligned rows
    tagged paragraphs."""
    out = []
    for raw in text.splitlines():
        line = raw.rstrip()
        if not line:
            out.append(".PP")
            continue
        if line.startswith("Usage:"):
            # The usage line names the program by the path it was started with, and a
            # subcommand's line repeats the subcommand: the page shows the installed name once.
            words = line[len("Usage:"):].split()[len(name.split()):]
            out += [".PP", "\\fB" + esc(name) + "\\fR " + esc(" ".join(words)), ".PP"]
            continue
        m = HEAD.match(line)
        if m:
            out.append((".SS " if top else ".PP\n.B ") + esc(m.group(1)))
            continue
        m = ROW.match(line)
        if m:
            out += [".TP", "\\fB" + esc(m.group(1)) + "\\fR", esc(m.group(2))]
            continue
        out.append(esc(line.strip()) if raw.startswith("  ") else esc(line))
    return out


def write_gzip(data, output):
    # mtime 0 and no name: the same text gives the same bytes, as reproducible builds want.
    with open(output, "wb") as raw, gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0,
                                                  compresslevel=9) as gz:
        gz.write(data)


def main():
    args = sys.argv[1:]
    if args[0] == "--gzip":
        with open(args[1], "rb") as f:
            write_gzip(f.read(), args[2])
        return
    commands = "--commands" in args
    if "--lang" in args:
        at = args.index("--lang")
        LANG_ARGS[:] = args[at:at + 2]
        del args[at:at + 2]
    program, name, version, output = [a for a in args if a != "--commands"][:4]
    top = run_help(program)
    summary = top.splitlines()[0]
    # "brenvox-cli: does X" or "Does X": the NAME line wants just the clause.
    summary = summary.split(": ", 1)[1] if summary.startswith(name + ":") else summary
    summary = summary.split(". ", 1)[0]
    page = [
        '.TH "%s" 1 "" "Brenvox %s" "User Commands"' % (name.upper(), version),
        ".SH NAME",
        esc(name) + " \\- " + esc(summary.rstrip(".")),
        ".SH DESCRIPTION",
    ]
    page += help_to_roff(top, name)
    if commands:
        page.append(".SH COMMANDS")
        in_list = False
        for line in top.splitlines():
            if HEAD.match(line):
                in_list = line.startswith(("Commands", "Subcommands"))
                continue
            m = ROW.match(line)
            if in_list and m:
                sub = m.group(1).split()[0]
                page.append(".SS " + esc(sub))
                page += help_to_roff(run_help(program, sub), name + " " + sub, top=False)
    write_gzip(("\n".join(page) + "\n").encode("utf-8"), output)


if __name__ == "__main__":
    main()
