"""Every krugolet-cli example in the fenced blocks of README.md and docs/*.md runs as shown.

An example is a line `$ krugolet-cli …` in a fenced block; the lines after it, up to the next `$`
line or the end of the block, are what it prints (standard output and standard error, as a
terminal shows them), byte for byte. An example with no lines after it is checked for its exit
status only. The exit status is 0, or the one a comment `# exit status N` at the end of the line
names. Each runs through sh in a folder of its own that holds the shipped library, with the clock
at CLOCK in UTC, so that what depends on the present reads the same on every run.
"""
import os
import pathlib
import re
import shutil
import subprocess
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CLI = pathlib.Path(os.environ["KRUGOLET_CLI"]).resolve()
LIBRARY = pathlib.Path(os.environ["KRUGOLET_LIBRARY"]).resolve()
CLOCK = "2026-12-07 13:20:00"
FENCE = re.compile(r"^( *)```(\S*)\s*$")
STATUS = re.compile(r"\s#\s*exit status (\d+)\s*$")


def pages():
    return [ROOT / "README.md", *sorted((ROOT / "docs").glob("*.md"))]


def fenced_blocks(path):
    """(first line number, info string, lines without the fence's indent) of each fenced block."""
    blocks, current = [], None
    for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        fence = FENCE.match(line)
        if current is None and fence:
            current = (number + 1, fence.group(2), len(fence.group(1)), [])
        elif current is not None and fence and len(fence.group(1)) == current[2]:
            blocks.append((current[0], current[1], current[3]))
            current = None
        elif current is not None:
            current[3].append(line[current[2]:] if line[:current[2]].isspace() else line)
    return blocks


def examples(path):
    """(line number, command, expected status, expected output or None) of each `$` line."""
    found = []
    for first, _, lines in fenced_blocks(path):
        for i, line in enumerate(lines):
            if not line.startswith("$ "):
                continue
            shown = []
            for after in lines[i + 1:]:
                if after.startswith("$ "):
                    break
                shown.append(after)
            status = STATUS.search(line)
            found.append((first + i, line[2:], int(status.group(1)) if status else 0,
                          "\n".join(shown) + "\n" if shown else None))
    return found


def run(command):
    with tempfile.TemporaryDirectory() as folder:
        shutil.copyfile(LIBRARY, pathlib.Path(folder) / "библиотека.txt")
        environment = dict(os.environ, TZ="UTC", LC_ALL="C.UTF-8",
                           PATH=f"{CLI.parent}{os.pathsep}{os.environ['PATH']}")
        # faketime's library comes before the sanitizers' in a sanitizer build.
        environment["ASAN_OPTIONS"] = ":".join(filter(None, (
            os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0")))
        return subprocess.run(["faketime", CLOCK, "sh", "-c", command], cwd=folder,
                              env=environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                              timeout=60)


class Examples(unittest.TestCase):
    def test_every_example_runs_as_shown(self):
        count = 0
        for path in pages():
            for number, command, status, shown in examples(path):
                count += 1
                with self.subTest(f"{path.relative_to(ROOT)}:{number}: {command}"):
                    result = run(command)
                    self.assertEqual(result.returncode, status, result.stdout.decode())
                    if shown is not None:
                        self.assertEqual(result.stdout.decode("utf-8"), shown)
        print(f"{count} examples run")
        self.assertGreater(count, 0)

    def test_an_example_is_written_so_that_it_runs(self):
        # A call typed without its "$ " would escape the run above; a synopsis says it is one.
        for path in pages():
            for first, info, lines in fenced_blocks(path):
                for i, line in enumerate(lines):
                    with self.subTest(f"{path.relative_to(ROOT)}:{first + i}"):
                        if line.startswith("$ "):
                            self.assertTrue(line.startswith("$ krugolet-cli "), line)
                        elif info != "synopsis":
                            self.assertFalse(line.startswith("krugolet-cli"), line)


if __name__ == "__main__":
    unittest.main()
