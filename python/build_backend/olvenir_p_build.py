"""A PEP 517 build backend that needs nothing but CMake: it builds the package with the project's
CMake for the running interpreter and writes the wheel itself (a zip with its dist-info)."""
import base64
import hashlib
import os
import re
import shutil
import subprocess
import sys
import sysconfig
import zipfile

NAME = "olvenir_p"
HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(HERE)
with open(os.path.join(ROOT, "include", "olvenir_p", "version.h"), encoding="utf-8") as _header:
    VERSION = re.search(r'#define OLVENIR_P_VERSION_STRING "([0-9.]+)"', _header.read()).group(1)
METADATA = (
    "Metadata-Version: 2.1\n"
    "Name: %s\n"
    "Version: %s\n"
    "Summary: Validation checks for Polish social-insurance forms\n"
    "Requires-Python: >=3.9\n" % (NAME, VERSION))


def _tag():
    impl = "cp%d%d" % sys.version_info[:2]
    platform = sysconfig.get_platform().replace("-", "_").replace(".", "_")
    return "%s-%s-%s" % (impl, impl, platform)


def _build():
    """Builds the staged package for this interpreter; its folder."""
    # Keyed by the base interpreter, so every venv of one Python shares one build.
    base = sys.base_prefix + "|" + str(sysconfig.get_config_var("SOABI"))
    key = hashlib.sha256(base.encode()).hexdigest()[:10]
    build = os.path.join(ROOT, "build", "python-" + key)
    configure = ["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                 "-DOLV_BUILD_TESTS=OFF", "-DOLV_BUILD_BENCHMARKS=OFF",
                 "-DPython3_EXECUTABLE=" + sys.executable]
    if shutil.which("ccache"):
        configure.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    if not os.path.exists(os.path.join(build, "CMakeCache.txt")):
        try:
            subprocess.run(["ninja", "--version"], check=True, capture_output=True)
            configure += ["-G", "Ninja"]
        except (OSError, subprocess.CalledProcessError):
            pass
    subprocess.run(configure, check=True, stdout=sys.stderr)
    subprocess.run(["cmake", "--build", build, "--target", "olvenir_p_python"], check=True,
                   stdout=sys.stderr)
    return os.path.join(build, "python", NAME)


def _record_line(path, data):
    digest = base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()
    return "%s,sha256=%s,%d\n" % (path, digest, len(data))


def get_requires_for_build_wheel(config_settings=None):
    return []


def get_requires_for_build_sdist(config_settings=None):
    return []


def build_wheel(wheel_directory, config_settings=None, metadata_directory=None):
    stage = _build()
    dist_info = "%s-%s.dist-info" % (NAME, VERSION)
    wheel_name = "%s-%s-%s.whl" % (NAME, VERSION, _tag())
    record = []
    with zipfile.ZipFile(os.path.join(wheel_directory, wheel_name), "w",
                         zipfile.ZIP_DEFLATED) as whl:
        def add(path, data, mode=0o644):
            info = zipfile.ZipInfo(path, date_time=(2020, 1, 1, 0, 0, 0))
            info.external_attr = (0o100000 | mode) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            whl.writestr(info, data)
            record.append(_record_line(path, data))

        for entry in sorted(os.listdir(stage)):
            full = os.path.join(stage, entry)
            if not os.path.isfile(full):
                continue
            with open(full, "rb") as f:
                data = f.read()
            add("%s/%s" % (NAME, entry), data, 0o755 if os.access(full, os.X_OK) else 0o644)
        add(dist_info + "/METADATA", METADATA.encode())
        add(dist_info + "/WHEEL", ("Wheel-Version: 1.0\nGenerator: olvenir_p_build\n"
                                   "Root-Is-Purelib: false\nTag: %s\n" % _tag()).encode())
        record.append(dist_info + "/RECORD,,\n")
        whl.writestr(dist_info + "/RECORD", "".join(record))
    return wheel_name


def build_sdist(sdist_directory, config_settings=None):
    raise NotImplementedError("the package is built from the project's source tree")
