"""The package under test is the one staged by the build (PYTHONPATH) or an installed one."""
import pytest

import olvenir_p


@pytest.fixture(autouse=True)
def sample_dictionary():
    olvenir_p.use_dictionary("sample")
    yield
    olvenir_p.use_dictionary("sample")
