"""Runs the real Nimbrel.exe under Wine for the end-to-end tests.

Each test module uses the prefixes that `harness.py setup` creates inside the
build tree (never the user's ~/.wine): a default 64-bit one and a 32-bit one.
Each prefix keeps one persistent wineserver for the whole run, so that a run
of the program takes a fraction of a second and registry security set by a
test lives as long as the test needs it; `harness.py stop` ends them.

Environment: NIMBREL_EXE (the program) and NIMBREL_E2E_DIR (where the
prefixes live), both set by CTest.
"""
import os
import subprocess
import sys

EXE = os.environ.get("NIMBREL_EXE", "")
WORK = os.environ.get("NIMBREL_E2E_DIR", "")
HELPERS = os.environ.get("NIMBREL_HELPERS", "")
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MANIFEST = os.path.join(SOURCE, "res", "Nimbrel.manifest")
KEY = r"HKLM\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters"

RULE = "\r\n\r\n" + "*" * 64
TITLE = RULE + "\r\n\r\n    Nimbrel v1.5 by Kestrune\r\n\r\n    http://www.kestrune.example/nimbrel/"
BANNER = TITLE + RULE + "\r\n"
HELP = (TITLE + RULE +
        "\r\n\r\n\r\n Usage: \r\n\t Nimbrel.exe [1 | 0 | -s | -h]  "
        "\r\n\r\n\r\n Examples:\r\n"
        "\r\n\r\n\t // Hide Your Computer on the Network"
        "\r\n\t Nimbrel.exe 1"
        "\r\n\r\n\t // Unhide Your Computer on the Network"
        "\r\n\t Nimbrel.exe 0"
        "\r\n\r\n\t //Show Current Status of Your Computer's Visibility"
        "\r\n\t Nimbrel.exe -s"
        "\r\n\r\n\t // Show this help screen"
        "\r\n\t Nimbrel.exe -h"
        "\r\n\r\n")


def helper(name):
    """Path of a test helper program built beside Nimbrel.exe."""
    return os.path.join(HELPERS, name)


def objdump(*flags):
    """What mingw's objdump prints about Nimbrel.exe."""
    return subprocess.run(["i686-w64-mingw32-objdump", *flags, EXE], check=True, stdout=subprocess.PIPE,
                          text=True).stdout


def crlf(text):
    """A message as it reaches a redirected file: msvcrt's text mode."""
    return text.replace("\n", "\r\n")


class Prefix:
    """One Wine prefix of the test run."""

    def __init__(self, name, arch):
        self.path = os.path.join(WORK, name)
        self.arch = arch

    def env(self, prompt="$P$G", extra=None):
        env = {k: v for k, v in os.environ.items() if k not in ("PROMPT", "WINEARCH", "WINEDEBUG")}
        env.update(WINEPREFIX=self.path, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        if self.arch:
            env["WINEARCH"] = self.arch
        if prompt is not None:
            env["PROMPT"] = prompt
        env.update(extra or {})
        return env

    def create(self):
        if not os.path.exists(os.path.join(self.path, "system.reg")):
            os.makedirs(os.path.dirname(self.path), exist_ok=True)
            subprocess.run(["wineboot", "-i"], env=self.env(), check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        # A server left from wineboot or an earlier run can't be made
        # persistent; end it, then start the one this run keeps.
        self.stop()
        # Detached from our output pipes, or CTest would wait for it to end.
        subprocess.run(["wineserver", "-p"], env=self.env(), check=True, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        # The first program starts Wine's background services, which inherit
        # its output handles and live as long as the server: start them here,
        # away from any pipe a test reads to its end.
        subprocess.run(["wine", "cmd", "/c", "exit"], env=self.env(), check=True, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True, timeout=120)

    def stop(self):
        if os.path.isdir(self.path):
            subprocess.run(["wineserver", "-k"], env=self.env(), stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-w"], env=self.env(), stderr=subprocess.DEVNULL)

    def run(self, *args, prompt="$P$G", exe=None, timeout=60):
        """Runs the program (or `exe`) with output redirected; returns (status, bytes)."""
        result = subprocess.run(["wine", exe or EXE, *args], env=self.env(prompt),
                                stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        return result.returncode, result.stdout

    def trace(self, *args):
        """Runs the program under Wine's relay trace; returns the trace."""
        result = subprocess.run(["wine", EXE, *args], env=self.env(extra={"WINEDEBUG": "+relay"}),
                                stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120)
        return result.stderr.decode("latin-1")

    def reg(self, *args, check=True):
        result = subprocess.run(["wine", "reg", *args], env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        if check and result.returncode != 0:
            raise AssertionError(f"wine reg {' '.join(args)} failed: {result.stderr!r}")
        return result

    def set_hidden(self, reg_type, data=None):
        args = ["add", KEY, "/v", "HIDDEN", "/t", reg_type, "/f"]
        if data is not None:
            args[6:6] = ["/d", data]
        self.reg(*args)

    def delete_hidden(self):
        self.reg("delete", KEY, "/v", "HIDDEN", "/f", check=False)

    def query_key(self):
        """The whole key as `reg query` lists it, or None when it is absent."""
        result = self.reg("query", KEY, check=False)
        return result.stdout.decode("latin-1") if result.returncode == 0 else None

    def hidden(self):
        """(type, data) of HIDDEN as `reg query` shows them, or None."""
        result = self.reg("query", KEY, "/v", "HIDDEN", check=False)
        if result.returncode != 0:
            return None
        for line in result.stdout.decode("latin-1").splitlines():
            fields = line.split()
            if fields and fields[0] == "HIDDEN":
                return fields[1], (fields[2] if len(fields) > 2 else "")
        return None

    def delete_key(self):
        self.reg("delete", KEY, "/f")

    def restore_key(self):
        self.reg("add", KEY, "/f")


WIN64 = Prefix("win64", None)
WIN32 = Prefix("win32", "win32")
PREFIXES = (WIN64, WIN32)


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "setup":
        for prefix in PREFIXES:
            prefix.create()
    elif command == "stop":
        for prefix in PREFIXES:
            prefix.stop()
    else:
        sys.exit("usage: harness.py setup|stop")
