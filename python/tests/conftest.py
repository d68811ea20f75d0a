"""Where the tests find the native quorlin program: QUORLIN_PROGRAM (ctest and make set it), else
the release build beside the module's."""

import os
import pathlib

import pytest

REPO = pathlib.Path(__file__).resolve().parents[2]


@pytest.fixture(scope="session")
def quorlin_program():
    program = os.environ.get("QUORLIN_PROGRAM") or str(REPO / "build" / "python" / "quorlin")
    assert os.access(program, os.X_OK), f"no quorlin program at {program} (set QUORLIN_PROGRAM)"
    return program
