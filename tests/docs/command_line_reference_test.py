"""docs/command-line.md is the one reference of the command lines: `--help` and the manual pages
name the same options and exit statuses as it does, so that none of the three drifts alone.

The texts differ (Russian usage, English page, troff), so what is compared is what each names:
every long option, and every exit status.
"""
import os
import pathlib
import re
import subprocess
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
REFERENCE = ROOT / "docs" / "command-line.md"
OPTION = re.compile(r"(?<![\w-])--([a-z][a-z-]*)")


def section(heading):
    """The text of the reference under a heading of its own level, up to the next such heading."""
    text = REFERENCE.read_text(encoding="utf-8")
    start = text.index(f"\n## {heading}\n")
    end = text.find("\n## ", start + 1)
    return text[start:end if end >= 0 else len(text)]


def manual(page):
    """The manual page's text with troff's escaped hyphens as plain ones."""
    return (ROOT / "packaging" / f"{page}.1.in").read_text(encoding="utf-8").replace("\\-", "-")


def help_text(program):
    result = subprocess.run([program, "--help"], stdout=subprocess.PIPE, env=dict(
        os.environ, QT_QPA_PLATFORM="offscreen"), timeout=60, check=True)
    return result.stdout.decode("utf-8")


def options(text):
    return set(OPTION.findall(text))


def statuses_in_reference(text):
    return {int(n) for n in re.findall(r"exit(?:s| status|ing)? (?:with )?(\d)\b", text)}


def statuses_in_manual(text):
    exit_section = text[text.index(".SH EXIT STATUS"):].split("\n.SH ")[0]
    return {int(n) for n in re.findall(r"^\.B (\d+)$", exit_section, re.M)}


def statuses_in_help(text):
    codes = text[text.index("Коды выхода:"):]
    return {int(n) for n in re.findall(r"^  (\d+)  ", codes, re.M)}


class CommandLineReference(unittest.TestCase):
    def check_program(self, program, heading, page):
        reference = section(heading)
        usage, man = help_text(program), manual(page)
        self.assertEqual(options(usage), options(reference), "--help against the reference")
        self.assertEqual(options(man), options(reference), f"{page}(1) against the reference")
        self.assertEqual(statuses_in_help(usage), statuses_in_reference(reference),
                         "--help against the reference: exit statuses")
        self.assertEqual(statuses_in_manual(man), statuses_in_reference(reference),
                         f"{page}(1) against the reference: exit statuses")

    def test_krugolet_cli(self):
        self.check_program(os.environ["KRUGOLET_CLI"], "The command-line tool", "krugolet-cli")

    @unittest.skipUnless(os.environ.get("KRUGOLET_GUI"), "the window program is not built here")
    def test_krugolet(self):
        self.check_program(os.environ["KRUGOLET_GUI"], "The window program's command line",
                           "krugolet")


if __name__ == "__main__":
    unittest.main()
