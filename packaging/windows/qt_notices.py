"""Writes the copyrights and licences of the third-party code inside Qt's
Core, Gui and Widgets on Windows, read from the qt_attribution.json files of
Debian's qt6-base source tarball, for the Windows packages.
    python3 qt_notices.py qt6-base_VERSION.orig.tar.xz OUTPUT.txt"""

import json
import posixpath
import sys
import tarfile

# Attributions of code that a Windows build of Core, Gui and Widgets leaves
# out: other platforms, modules switched off, the test library.
LEFT_OUT = ("android", "cocoa", "gradle", "wasm", "xcb", "libpsl", "libjpeg", "forkfd",
            "VulkanMemoryAllocator", "vulkan", "src/dbus", "src/network", "src/testlib",
            "pixman")
IN_PROGRAM = ("src/3rdparty/", "src/corelib/", "src/gui/", "src/widgets/")


def main(tarball, output):
    with tarfile.open(tarball) as tar:
        members = {m.name: m for m in tar.getmembers() if m.isfile()}
        root = next(iter(members)).split("/", 1)[0] + "/"

        def read(name):
            return tar.extractfile(members[name]).read().decode("utf-8", "replace")

        entries = []
        for name in sorted(members):
            relative = name[len(root):]
            if (not relative.endswith("qt_attribution.json") or not relative.startswith(IN_PROGRAM)
                    or any(part in relative for part in LEFT_OUT)):
                continue
            attributions = json.loads(read(name), strict=False)
            if isinstance(attributions, dict):
                attributions = [attributions]
            folder = posixpath.dirname(name)
            for a in attributions:
                files = a.get("LicenseFiles") or ([a["LicenseFile"]] if "LicenseFile" in a else [])
                texts = [read(posixpath.normpath(posixpath.join(folder, f))) for f in files
                         if posixpath.normpath(posixpath.join(folder, f)) in members]
                entries.append((a.get("Name", a.get("Id")), a.get("Version", ""),
                                a.get("License", ""), a.get("Copyright", ""), texts))

    with open(output, "w", encoding="utf-8", newline="\r\n") as out:
        out.write("Third-party code in Qt, as linked into zorvane.exe\n"
                  "===================================================\n\n")
        for name, version, licence, copyright, texts in entries:
            out.write(f"{name} {version}".rstrip() + f"\nLicence: {licence}\n")
            out.write(f"{copyright.strip()}\n\n" if isinstance(copyright, str)
                      else "\n".join(copyright) + "\n\n")
            for text in texts:
                out.write(text.strip() + "\n\n")
            out.write("-" * 72 + "\n\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
