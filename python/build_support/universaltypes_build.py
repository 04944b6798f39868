"""The package's build backend: builds the C libraries the package loads
(the library, its text entry points and the exact layer) with CMake from the
source tree above and writes a wheel with them bundled and the project's
version.

A backend of its own, on the standard library only, because a fresh virtual
environment from Debian's Python holds pip and setuptools but not wheel,
without which setuptools cannot build a wheel; so pip install
--no-build-isolation ./python works offline with nothing more installed."""
import base64
import hashlib
import os
import runpy
import subprocess
import sysconfig
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parents[1]
SOURCE_TREE = HERE.parent
PACKAGE = "universaltypes"
VERSION = runpy.run_path(str(HERE / PACKAGE / "_version.py"))["VERSION"]
# Bundles the libraries of an existing build instead of building them (the
# install tests use the build under test).
PREBUILT_VARIABLE = "UTYPES_WHEEL_LIBRARY_DIR"
LIBRARIES = ("zr_universaltypes", "zr_universaltypes_ctext", "zr_universaltypes_exact")
METADATA = """Metadata-Version: 2.1
Name: %s
Version: %s
Summary: Exact universal integer and time types of libzr_universaltypes, through ctypes
Requires-Python: >=3.9
Classifier: Typing :: Typed
""" % (PACKAGE, VERSION)


def _built_libraries():
    prebuilt = os.environ.get(PREBUILT_VARIABLE)
    if prebuilt:
        return _library_files(Path(prebuilt))
    build = HERE / "build" / "cmake"
    subprocess.run(["cmake", "-S", str(SOURCE_TREE), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                    "-DUTYPES_BUILD_TESTS=OFF", "-DUTYPES_BUILD_EXAMPLES=OFF"], check=True)
    jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")
    subprocess.run(["cmake", "--build", str(build), "-j", jobs, "--target", *LIBRARIES], check=True)
    return _library_files(build / "src")


def _library_files(directory):
    # The real file under the plain name: ctypes loads each by path, and
    # the others find the library by its soname among the loaded ones.
    return {"lib%s.so" % stem: Path(os.path.realpath(directory / ("lib%s.so" % stem)))
            for stem in LIBRARIES}


def _wheel_files():
    """(name in the wheel, bytes) of every file the wheel holds."""
    package = HERE / PACKAGE
    for path in sorted(package.glob("*.py")) + [package / "py.typed"]:
        if path.name != "_configured.py":
            yield "%s/%s" % (PACKAGE, path.name), path.read_bytes()
    yield "%s/_configured.py" % PACKAGE, (
        "VERSION = %r\nLIBRARY_DIRECTORY = 'lib'\n" % VERSION).encode()
    for name, path in _built_libraries().items():
        yield "%s/lib/%s" % (PACKAGE, name), path.read_bytes()


def _tag():
    return "py3-none-" + sysconfig.get_platform().replace("-", "_").replace(".", "_")


def get_requires_for_build_wheel(config_settings=None):
    return []


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    dist_info = "%s-%s.dist-info" % (PACKAGE, VERSION)
    wheel_name = "%s-%s-%s.whl" % (PACKAGE, VERSION, _tag())
    files = list(_wheel_files())
    files.append(("%s/METADATA" % dist_info, METADATA.encode()))
    files.append(("%s/WHEEL" % dist_info, ("Wheel-Version: 1.0\nGenerator: universaltypes_build\n"
                                           "Root-Is-Purelib: false\nTag: %s\n" % _tag()).encode()))
    record = ["%s,sha256=%s,%d" % (name, base64.urlsafe_b64encode(
        hashlib.sha256(data).digest()).rstrip(b"=").decode(), len(data)) for name, data in files]
    record.append("%s/RECORD,," % dist_info)
    files.append(("%s/RECORD" % dist_info, ("\n".join(record) + "\n").encode()))
    with zipfile.ZipFile(Path(wheel_directory) / wheel_name, "w", zipfile.ZIP_DEFLATED) as wheel:
        for name, data in files:
            info = zipfile.ZipInfo(name, date_time=(2020, 1, 1, 0, 0, 0))
            info.external_attr = (0o755 if name.endswith(".so") else 0o644) << 16
            wheel.writestr(info, data, zipfile.ZIP_DEFLATED)
    return wheel_name
