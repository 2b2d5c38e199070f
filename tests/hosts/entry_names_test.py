#!/usr/bin/env python3
"""The entry names written by hand in the hosts, checked against the table of exports.

Both hosts must name the same entries. The Linux names must be the symbols of the table's rows.
The Windows names must be what a Windows compiler gives the rows' declared types (char16_t is
the declared wchar_t, int32_t the declared long), asked of clang for both MSVC targets; and,
when a Windows build has generated its module-definition file, each must be listed in it.
README-windows.md shows the same names and, line for line, the hosts' own declarations.
Usage: entry_names_test.py SOURCE_DIR [win32=DEF_FILE] [win64=DEF_FILE]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

# The order of the blocks in both hosts' sources.
PLATFORMS = ("win64", "win32", "linux")
TRIPLES = {"win32": "i686-pc-windows-msvc", "win64": "x86_64-pc-windows-msvc"}


def csharp_names(text):
    """Entry class per platform: #if WIN64, #elif WIN32, #else."""
    blocks = re.search(r"#if WIN64(.*?)#elif WIN32(.*?)#else(.*?)#endif", text, re.S).groups()
    return {p: dict(re.findall(r'public const string (\w+) = "([^"]+)";', b))
            for p, b in zip(PLATFORMS, blocks)}


def pascal_names(text):
    """{$IFDEF WINDOWS}{$IFDEF CPU64} win64 {$ELSE} win32 {$ENDIF}{$ELSE} linux {$ENDIF}."""
    blocks = re.search(r"\{\$IFDEF WINDOWS\}.*?\{\$IFDEF CPU64\}(.*?)\{\$ELSE\}(.*?)\{\$ENDIF\}"
                       r"\s*\{\$ELSE\}(.*?)\{\$ENDIF\}", text, re.S).groups()
    return {p: dict(re.findall(r"Entry_(\w+) = '([^']+)';", b)) for p, b in zip(PLATFORMS, blocks)}


def table_rows(text):
    """Type-decorated rows: name -> (Itanium symbol, result type, parameter list)."""
    rows = re.findall(r'OLV_(?:FIXED_)?CXX\((\w+), "([^"]+)", ([^,]+), \(([^)]*)\)', text)
    return {name: (symbol, result, params) for name, symbol, result, params in rows}


def declared(cxx_type):
    return re.sub(r"\bint32_t\b", "long", re.sub(r"\bchar16_t\b", "wchar_t", cxx_type))


def decorated(rows, names, triple):
    """The names clang gives the declarations on an MSVC target."""
    source = "".join(f"{declared(rows[n][1])} {n}({declared(rows[n][2])});\n" for n in names)
    source += "void* used[] = {" + ", ".join(f"(void*)&{n}" for n in names) + "};\n"
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "declarations.cc")
        with open(path, "w") as f:
            f.write(source)
        ir = subprocess.run(["clang++", f"--target={triple}", "-S", "-emit-llvm", "-o", "-", path],
                            check=True, capture_output=True, text=True).stdout
    found = {}
    for symbol in re.findall(r'@"(\?[^"]+)"', ir):
        match = re.match(r"\?(\w+)@@", symbol)
        if match and match.group(1) in names:
            found[match.group(1)] = symbol
    return found


def readme_problems(readme, hosts, sources):
    """The README's decorated names are the hosts'; its C# and Pascal lines are in the hosts."""
    problems, checked = [], 0
    windows = {name for p in ("win32", "win64") for name in hosts["C#"][p].values()}
    shown = set(re.findall(r"\?\w+@@[A-Z0-9_@]+@Z", readme))
    checked += len(shown | windows)
    problems += [f"README-windows.md names {n}, which no host uses"
                 for n in sorted(shown - windows)]
    problems += [f"README-windows.md does not name {n}" for n in sorted(windows - shown)]
    for language, fence in (("C#", "csharp"), ("Pascal", "pascal")):
        source = [line.strip() for line in sources[language].splitlines()]
        for block in re.findall(rf"```{fence}\n(.*?)```", readme, re.S):
            for line in block.splitlines():
                checked += 1
                if line.strip() and line.strip() not in source:
                    problems.append(f"README-windows.md {language} line not in the host: "
                                    f"{line.strip()}")
    return checked, problems


def main():
    source = sys.argv[1]
    read = lambda *parts: open(os.path.join(source, *parts), encoding="utf-8").read()
    sources = {"C#": read("tests", "hosts", "csharp", "Host.cs"),
               "Pascal": read("tests", "hosts", "pascal", "host.pas")}
    hosts = {"C#": csharp_names(sources["C#"]), "Pascal": pascal_names(sources["Pascal"])}
    rows = table_rows(read("exports", "exports.def"))
    names = hosts["C#"]
    problems = [f"{p}: C# names {names[p]} but Pascal names {hosts['Pascal'][p]}"
                for p in PLATFORMS if names[p] != hosts["Pascal"][p]]
    known = sorted(n for n in names["linux"] if n in rows)
    problems += [f"{n}: no type-decorated row in exports.def"
                 for n in sorted(names["linux"].keys() - rows)]
    # What each platform's names must be: the table's symbols, and the compiler's decorations.
    want = {"linux": {n: rows[n][0] for n in known}}
    if shutil.which("clang++"):
        want.update((p, decorated(rows, known, triple)) for p, triple in TRIPLES.items())
    else:
        print("clang++ not found: the Windows names are not checked against a compiler")
    problems += [f"{p} {n}: host says {names[p].get(n)}, want {w.get(n)}"
                 for p, w in want.items() for n in known if names[p].get(n) != w.get(n)]
    checked = len(known) * len(want)
    for platform, def_path in (arg.split("=", 1) for arg in sys.argv[2:]):
        if not os.path.exists(def_path):
            print(f"{def_path}: not built, the {platform} names are not checked against it")
            continue
        with open(def_path) as f:
            listed = set(re.findall(r"^\s*(\S+?)(?:=\S+)?(?:\s+@\d+)?\s*$", f.read(), re.M))
        checked += len(known)
        problems += [f"{platform} {n}: {names[platform].get(n)} not in {def_path}"
                     for n in known if names[platform].get(n) not in listed]
    readme_checked, readme_found = readme_problems(read("README-windows.md"), hosts, sources)
    checked += readme_checked
    problems += readme_found
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"{checked - len(problems)} passed, {len(problems)} failed")
    return 1 if problems or not checked else 0


if __name__ == "__main__":
    sys.exit(main())
