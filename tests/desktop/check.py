#!/usr/bin/env python3
"""The game as a Linux desktop and Debian see it. ctest runs all but the last (tests/CMakeLists.txt),
.ci/run the last:

  check.py metadata SOURCE VERSION  desktop entry and AppStream metadata valid and agreeing
  check.py install BUILD            what `cmake --install` puts under /usr
  check.py man PAGES QUILLFERN QUILLFERN-SIM
                                    the manual pages in PAGES render cleanly and hold every
                                    line of the programs' --help, and of each subcommand's
  check.py package BUILD VERSION    the Debian package that cpack makes: its files and fields
  check.py package-install DEB VERSION
                                    as root, as .ci/run: the same checks, then the package is
                                    installed, run, removed and purged, and nothing is left
"""
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = "org.quillfern.quillfern"
PROGRAMS = ("quillfern", "quillfern-sim")
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
SCREENSHOT_BASE = "https://quillfern.org/docs/screenshots/"

failures = []
checked = 0


def check(ok, what):
    global checked
    checked += 1
    if not ok:
        failures.append(what)
    return ok


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def png_size(path):
    """Width, height and whether the PNG has an alpha channel, from its header."""
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    width, height = struct.unpack(">II", head[16:24])
    return width, height, head[25] in (4, 6)


def installed_files():
    """Every file the install puts under the prefix /usr, relative to it."""
    icons = [f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png" for n in ICON_SIZES]
    return sorted([f"bin/{p}" for p in PROGRAMS] + icons +
                  [f"share/applications/{APP_ID}.desktop",
                   f"share/metainfo/{APP_ID}.metainfo.xml"] +
                  [f"share/man/man6/{p}.6.gz" for p in PROGRAMS])


def validate_desktop_and_metainfo(desktop, metainfo):
    result = run("desktop-file-validate", desktop)
    check(result.returncode == 0 and not result.stdout.strip(),
          f"desktop-file-validate {desktop}:\n{result.stdout}{result.stderr}")
    result = run("appstreamcli", "validate", "--no-net", "--pedantic", "--explain", metainfo)
    issues = [line for line in result.stdout.splitlines() if re.match(r"[EWIP]: ", line)]
    check(result.returncode == 0 and not issues,
          f"appstreamcli validate {metainfo}:\n{result.stdout}{result.stderr}")


def check_metadata(source, version):
    resources = os.path.join(source, "resources")
    desktop = os.path.join(resources, f"{APP_ID}.desktop")
    metainfo = os.path.join(resources, f"{APP_ID}.metainfo.xml")
    validate_desktop_and_metainfo(desktop, metainfo)

    # The desktop entry starts one of the programs, by the icon of the same id.
    with open(desktop, encoding="utf-8") as f:
        entry = dict(line.rstrip("\n").split("=", 1) for line in f if "=" in line)
    check(entry.get("Icon") == APP_ID, f"desktop entry: Icon={entry.get('Icon')}, not {APP_ID}")
    check(entry.get("Exec", "").split(" ")[0] == PROGRAMS[0],
          f"desktop entry: Exec={entry.get('Exec')} does not start {PROGRAMS[0]}")

    component = ET.parse(metainfo).getroot()
    check(component.findtext("id") == APP_ID, f"metainfo: id {component.findtext('id')}")
    check(component.findtext("launchable") == f"{APP_ID}.desktop",
          f"metainfo: launchable {component.findtext('launchable')}")
    binaries = tuple(b.text for b in component.iterfind("provides/binary"))
    check(binaries == PROGRAMS, f"metainfo: provides {binaries}, the programs are {PROGRAMS}")
    newest = component.find("releases/release")
    check(newest is not None and newest.get("version") == version,
          f"metainfo: the newest release is not {version}, the project's version")

    # Each screenshot is a picture of the repository, at the size the metadata gives.
    shots = list(component.iterfind("screenshots/screenshot/image"))
    check(len(shots) >= 3, "metainfo: fewer than three screenshots")
    for image in shots:
        url = image.text.strip()
        if not check(url.startswith(SCREENSHOT_BASE), f"screenshot {url} not under {SCREENSHOT_BASE}"):
            continue
        path = os.path.join(source, "docs", "screenshots", url[len(SCREENSHOT_BASE):])
        size = png_size(path) if os.path.isfile(path) else None
        check(size is not None and size[:2] == (int(image.get("width")), int(image.get("height"))),
              f"screenshot {url}: {path} is {size}, the metadata says "
              f"{image.get('width')} x {image.get('height')}")


def check_icons(root):
    for n in ICON_SIZES:
        path = os.path.join(root, f"share/icons/hicolor/{n}x{n}/apps/{APP_ID}.png")
        size = png_size(path) if os.path.isfile(path) else None
        check(size == (n, n, True), f"icon {path}: {size}, not {n} x {n} with alpha")


def check_install(build):
    with tempfile.TemporaryDirectory() as destdir:
        result = run("cmake", "--install", build, "--prefix", "/usr",
                     env=dict(os.environ, DESTDIR=destdir))
        if not check(result.returncode == 0, f"cmake --install failed:\n{result.stderr}"):
            return
        usr = os.path.join(destdir, "usr")
        found = sorted(os.path.relpath(os.path.join(d, f), usr)
                       for d, _, files in os.walk(usr) for f in files)
        check(found == installed_files(),
              f"installed files differ:\n  found    {found}\n  expected {installed_files()}")
        check(all(os.access(os.path.join(usr, "bin", p), os.X_OK) for p in PROGRAMS),
              "a program is not installed as executable")
        check_icons(usr)
        # The metadata together with the desktop entry and icon it names.
        result = run("appstreamcli", "validate-tree", "--no-net", "--pedantic", destdir)
        check(result.returncode == 0 and not re.search(r"^\s*[EWIP]: ", result.stdout, re.M),
              f"appstreamcli validate-tree:\n{result.stdout}{result.stderr}")


def help_units(text):
    """What a --help text says, as pieces the page must hold: each usage line, each paragraph,
    each list entry with its description; and the subcommands it lists."""
    units, subcommands, heading = [], [], ""
    for block in re.split(r"\n\s*\n", text.strip("\n")):
        lines = block.split("\n")
        if lines[0].lower().startswith("usage:"):
            lines[0] = lines[0].split(":", 1)[1]
            while lines and (lines[0].startswith(" ") or not units):
                units.append(lines.pop(0))
        for line in lines:
            if re.match(r"  \S", line):  # an entry
                units.append(line)
                if heading == "Subcommands:":
                    subcommands.append(line.split()[0])
            elif line.startswith("   "):  # more of its description
                units[-1] += " " + line
            elif line.endswith(":") and line is not lines[-1]:
                heading = line
            elif units and units[-1].startswith("\n"):  # more of a paragraph
                units[-1] += " " + line
            else:
                units.append("\n" + line)
    return [" ".join(u.split()) for u in units], subcommands


def plain(text):
    """Rendered text as typed: ASCII quotes and dashes, single spaces."""
    for fancy, ascii in (("\u2010\u2011\u2012\u2013\u2212", "-"), ("\u2018\u2019", "'"),
                         ("\u201c\u201d", '"')):
        text = re.sub(f"[{fancy}]", ascii, text)
    return " ".join(text.split())


def check_man(pages, *programs):
    for program in programs:
        name = os.path.basename(program)
        source = os.path.join(pages, f"{name}.6")
        with open(source, "rb") as f, gzip.open(source + ".gz") as z:
            check(f.read() == z.read(), f"{name}.6.gz is not {name}.6 compressed")
        # No warnings, then one long line per paragraph so that nothing is hyphenated.
        result = run("groff", "-man", "-Tutf8", "-ww", "-z", source)
        check(result.returncode == 0 and not result.stderr,
              f"groff warns about {name}(6):\n{result.stderr}")
        result = run("groff", "-man", "-Tutf8", "-rLL=3000n", "-P-cbou", source)
        page = plain(result.stdout)
        check(re.search(rf"^NAME\s+{re.escape(name)} - \S", result.stdout, re.M),
              f"{name}(6) has no NAME line for whatis")
        units, subcommands = help_units(run(program, "--help").stdout)
        for sub in subcommands:
            units += help_units(run(program, sub, "--help").stdout)[0]
        check(len(units) >= 5, f"{name} --help says too little: {units}")
        for unit in units:
            check(plain(unit) in page, f"{name}(6) does not say what --help says:\n  {unit}")


def check_deb(deb, version):
    """The package's files, their owners and modes, and its control fields."""
    listing = run("dpkg-deb", "-c", deb).stdout.splitlines()
    files = sorted(line.split()[-1][len("./usr/"):] for line in listing if line.startswith("-"))
    check(files == installed_files(),
          f"the package's files differ:\n  found    {files}\n  expected {installed_files()}")
    for line in listing:
        mode, owner, path = line.split()[0], line.split()[1], line.split()[-1]
        want = "-rwxr-xr-x" if line.startswith("d") or "/bin/" in path else "-rw-r--r--"
        check(path.startswith("./usr/") or path == "./usr/", f"{path} is not under /usr")
        check(owner == "root/root" and mode[1:] == want[1:], f"{path}: {mode} {owner}")
    fields = {}
    for line in run("dpkg-deb", "-f", deb, "Package", "Version", "Section", "Depends").stdout.splitlines():
        name, _, value = line.partition(": ")
        fields[name] = value
    check(fields.get("Package") == "quillfern" and fields.get("Version") == version and
          fields.get("Section") == "games", f"package fields: {fields}")
    # Computed from the programs' libraries: a versioned package for each, nothing to build with.
    depends = dict(re.fullmatch(r"(\S+) \((>= .+)\)", d).groups()
                   for d in fields.get("Depends", "").split(", ") if "(" in d)
    for library in ("libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6",
                    "libqt6network6", "libqt6multimedia6"):
        check(library in depends, f"Depends lacks {library}: {fields.get('Depends')}")
    check(not re.search(r"-dev\b", fields.get("Depends", "")) and
          len(depends) == len(fields.get("Depends", "").split(", ")),
          f"Depends: {fields.get('Depends')}")


def check_package(build, version):
    with tempfile.TemporaryDirectory() as scratch:
        result = run("cpack", "-G", "DEB", "--config", os.path.join(build, "CPackConfig.cmake"),
                     "-B", scratch)
        debs = [f for f in os.listdir(scratch) if f.endswith(".deb")]
        if check(result.returncode == 0 and len(debs) == 1 and
                 debs[0].startswith(f"quillfern_{version}_"),
                 f"cpack made {debs}:\n{result.stdout}{result.stderr}"):
            check_deb(os.path.join(scratch, debs[0]), version)


def check_package_install(deb, version):
    check_deb(deb, version)
    if failures or not check(os.geteuid() == 0, "installing the package needs root"):
        return
    status = run("dpkg-query", "-W", "-f=${Status}", "quillfern").stdout
    if not check("installed" not in status.split(), "quillfern is installed already: remove it"):
        return
    # Which of the package's paths (folders too) were there before: those may stay.
    paths = [os.path.normpath(line.split()[-1][1:])
             for line in run("dpkg-deb", "-c", deb).stdout.splitlines()]
    before = {p for p in paths if os.path.lexists(p)}
    apt = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=600"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    result = run(*apt, "install", os.path.abspath(deb), env=env)
    if not check(result.returncode == 0, f"apt-get install:\n{result.stdout}{result.stderr}"):
        return
    listed = [os.path.normpath(p) for p in run("dpkg", "-L", "quillfern").stdout.split()]
    try:
        check(set(paths) <= set(listed) and all(os.path.lexists(p) for p in listed),
              f"dpkg -L quillfern does not match the package:\n{listed}")
        # The installed game answers from the path, and so does its manual.
        check(run("quillfern", "--version").stdout == f"quillfern {version}\n",
              "quillfern --version")
        check(run("quillfern", "--help").stdout.startswith("Usage: quillfern [options]\n"),
              "quillfern --help")
        check("S-Flush" in run("quillfern-sim", "eval", "As", "Ks", "Qs", "Js", "Ts").stdout,
              "quillfern-sim eval")
        if shutil.which("man"):
            check(run("man", "-w", "quillfern-sim").stdout.strip() ==
                  "/usr/share/man/man6/quillfern-sim.6.gz", "man -w quillfern-sim")
    finally:
        for step in ([*apt, "remove", "quillfern"], ["dpkg", "--purge", "quillfern"]):
            result = run(*step, env=env)
            check(result.returncode == 0, f"{' '.join(step)}:\n{result.stdout}{result.stderr}")
    left = [p for p in listed if os.path.lexists(p) and p not in before | {"/"}]
    check(not left, f"left behind after removing the package: {left}")
    check(not run("dpkg-query", "-W", "quillfern").stdout and
          not [f for f in os.listdir("/var/lib/dpkg/info") if f.startswith("quillfern.")],
          "dpkg still knows quillfern after the purge")


def main(argv):
    commands = {"metadata": check_metadata, "install": check_install, "man": check_man,
                "package": check_package, "package-install": check_package_install}
    if len(argv) < 2 or argv[1] not in commands:
        print(__doc__, file=sys.stderr)
        return 2
    commands[argv[1]](*argv[2:])
    for failure in failures:
        print("FAIL:", failure)
    print(f"{argv[1]}: {checked - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
