"""The LibreOffice starter shared by the checks that drive it through UNO: a
private, headless LibreOffice with a profile of its own, listening on a pipe
of its own, that opens copies of the files it is given. Importing this module
exits 77 (skipped) when LibreOffice or its Python bridge is missing."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

try:
    import uno
    from com.sun.star.beans import PropertyValue
except ImportError:
    print("SKIPPED: python3-uno is not installed")
    sys.exit(77)
if not shutil.which("soffice"):
    print("SKIPPED: LibreOffice (soffice) is not installed")
    sys.exit(77)

POINTS_PER_HUNDREDTH_MM = 72 / 2540


def property_value(name, value):
    prop = PropertyValue()
    prop.Name, prop.Value = name, value
    return prop


class Office:
    """A private, headless LibreOffice listening on a pipe of its own."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="quorvane-lo-")
        self.pipe = f"quorvane{os.getpid()}"
        profile = uno.systemPathToFileUrl(os.path.join(self.folder, "profile"))
        self.process = subprocess.Popen(
            ["soffice", f"-env:UserInstallation={profile}", "--headless", "--invisible", "--norestore",
             "--nologo", f"--accept=pipe,name={self.pipe};urp;"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.desktop = self.connect()

    def connect(self):
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.monotonic() + 90
        while True:
            try:
                context = resolver.resolve(f"uno:pipe,name={self.pipe};urp;StarOffice.ComponentContext")
                return context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
            except Exception:
                if time.monotonic() > deadline or self.process.poll() is not None:
                    raise
                time.sleep(0.5)

    def open(self, path):
        """Opens a copy of the file in the private folder, hidden: a lock file
        LibreOffice leaves next to it never blocks a later run. Raises when
        LibreOffice does not open it."""
        copy = os.path.join(self.folder, os.path.basename(path))
        shutil.copyfile(path, copy)
        document = self.desktop.loadComponentFromURL(uno.systemPathToFileUrl(copy), "_blank", 0,
                                                     (property_value("Hidden", True),))
        if document is None:
            raise RuntimeError(f"LibreOffice did not open {path}")
        return document

    def close(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def open_recalculated(path):
    """A running Office with a private copy of the file open and recalculated,
    as (office, document). The Office is closed again when the file does not open."""
    office = Office()
    try:
        document = office.open(path)
    except Exception:
        office.close()
        raise
    document.calculateAll()
    return office, document
