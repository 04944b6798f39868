"""Builds the C libraries the package loads (the library, its text entry
points and the exact layer) with CMake from the source tree above, and
bundles them into the package with the project's version."""
import os
import runpy
import shutil
import subprocess
from pathlib import Path

from setuptools import setup
from setuptools.command.build_py import build_py

HERE = Path(__file__).resolve().parent
SOURCE_TREE = HERE.parent
VERSION = runpy.run_path(str(HERE / "universaltypes" / "_version.py"))["VERSION"]
LIBRARIES = ("zr_universaltypes", "zr_universaltypes_ctext", "zr_universaltypes_exact")


def _build_libraries(build_directory):
    configure = ["cmake", "-S", str(SOURCE_TREE), "-B", str(build_directory),
                 "-DCMAKE_BUILD_TYPE=Release", "-DUTYPES_BUILD_TESTS=OFF",
                 "-DUTYPES_BUILD_EXAMPLES=OFF"]
    subprocess.run(configure, check=True)
    jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", "2")
    subprocess.run(["cmake", "--build", str(build_directory), "-j", jobs, "--target", *LIBRARIES],
                   check=True)
    return build_directory / "src"


class BuildWithLibraries(build_py):
    def run(self):
        super().run()
        package = Path(self.build_lib) / "universaltypes"
        built = _build_libraries(HERE / "build" / "cmake")
        bundle = package / "lib"
        bundle.mkdir(parents=True, exist_ok=True)
        for stem in LIBRARIES:
            # The real file under the plain name: ctypes loads it by path and
            # the others find it by its soname among the loaded libraries.
            shutil.copy2(os.path.realpath(built / ("lib%s.so" % stem)), bundle / ("lib%s.so" % stem))
        (package / "_configured.py").write_text(
            "VERSION = %r\nLIBRARY_DIRECTORY = 'lib'\n" % VERSION)


setup(version=VERSION, cmdclass={"build_py": BuildWithLibraries})
