"""A real terminal for the end-to-end tests: tmux, on a server of our own.

Wine draws its console in the terminal with ANSI colours, redrawing rather
than copying the program's bytes, so tests read what the screen shows:
each line's text and the colour of each character.
"""
import os
import re
import shlex
import subprocess
import tempfile
import time

SOCKET = "nimbrel-e2e"
SGR = re.compile(r"\x1b\[([0-9;]*)m")

# What a console attribute's foreground looks like once Wine has drawn it.
BRIGHT_GREEN, BRIGHT_RED, BRIGHT_WHITE, BRIGHT_YELLOW = 92, 91, 97, 93


def tmux(*args, check=True):
    return subprocess.run(["tmux", "-L", SOCKET, *args], check=check, stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True)


class Terminal:
    """One program run in a 120x80 tmux pane."""

    def __init__(self, argv, env):
        self.name = f"t{os.getpid()}-{time.monotonic_ns()}"
        self.status_file = tempfile.mktemp(prefix="nimbrel-status-")
        assignments = " ".join(shlex.quote(f"{k}={v}") for k, v in env.items())
        unset = "" if "PROMPT" in env else "-u PROMPT "
        command = (f"env {unset}{assignments} {' '.join(shlex.quote(a) for a in argv)}; "
                   f"echo $? > {shlex.quote(self.status_file)}; exec sleep 600")
        tmux("new-session", "-d", "-s", self.name, "-x", "120", "-y", "80", command)

    def wait(self, timeout=30):
        """The program's exit status, or None while it still runs."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if os.path.exists(self.status_file):
                with open(self.status_file) as f:
                    text = f.read().strip()
                if text:
                    return int(text)
            time.sleep(0.1)
        return None

    def send_keys(self, *keys):
        tmux("send-keys", "-t", self.name, *keys)

    def screen(self):
        """[(text, [foreground per character], [background per character])] per line."""
        captured = tmux("capture-pane", "-e", "-p", "-t", self.name).stdout
        fg, bg = 39, 49
        lines = []
        for raw in captured.split("\n"):
            text, fgs, bgs = "", [], []
            pos = 0
            for match in SGR.finditer(raw):
                for ch in raw[pos:match.start()]:
                    text += ch
                    fgs.append(fg)
                    bgs.append(bg)
                pos = match.end()
                for code in [int(c) if c else 0 for c in match.group(1).split(";")]:
                    if code == 0:
                        fg, bg = 39, 49
                    elif 30 <= code <= 39 or 90 <= code <= 97:
                        fg = code
                    elif 40 <= code <= 49 or 100 <= code <= 107:
                        bg = code
            for ch in raw[pos:]:
                text += ch
                fgs.append(fg)
                bgs.append(bg)
            lines.append((text, fgs, bgs))
        return lines

    def coloured_lines(self):
        """(stripped text, foreground) of each line with visible text; the
        foreground is None where the line mixes colours."""
        result = []
        for text, fgs, _ in self.screen():
            shown = {fgs[i] for i, ch in enumerate(text) if not ch.isspace()}
            if shown:
                result.append((text.strip(), shown.pop() if len(shown) == 1 else None))
        return result

    def close(self):
        tmux("kill-session", "-t", self.name, check=False)
        if os.path.exists(self.status_file):
            os.remove(self.status_file)
