"""pip install --no-build-isolation of the package into a fresh venv of the PATH python3, offline,
then the one-liner of the README. Slow (it builds the package), so it runs when asked:
OLV_PIP_INSTALL_TEST=1."""
import os
import shutil
import subprocess
import tempfile

import pytest

PACKAGE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


@pytest.mark.skipif(os.environ.get("OLV_PIP_INSTALL_TEST") != "1", reason="OLV_PIP_INSTALL_TEST=1")
def test_pip_install_into_a_fresh_venv():
    python = shutil.which("python3")
    with tempfile.TemporaryDirectory(prefix="olv-venv-", dir="/tmp") as venv:
        subprocess.run([python, "-m", "venv", venv], check=True)
        env = dict(os.environ, PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1")
        env.pop("PYTHONPATH", None)
        subprocess.run([os.path.join(venv, "bin", "pip"), "install", "--no-build-isolation",
                        PACKAGE], check=True, env=env, capture_output=True)
        done = subprocess.run([os.path.join(venv, "bin", "python"), "-c",
                               "import olvenir_p; print(olvenir_p.f_KVTElem(121, '44051401359', 11))"],
                              capture_output=True, text=True, env=env, cwd=venv)
        assert done.stdout == "0\n", done.stderr
