"""scripts/run as a new user meets it: without arguments the window program or krugolet-cli start
in the wide range, as the menu's "Круголет" does, so today has a report. The script runs in a
copy of the tree whose packages, build and window program are stand-ins; krugolet-cli is real."""
import os
import pathlib
import shutil
import subprocess
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CLI = os.environ["KRUGOLET_CLI"]
STAND_INS = {
    "scripts/packages.sh": "ensure_packages() { :; }\nNATIVE_PACKAGES=() QT_PACKAGES=()\n",
    "bin/cmake": "#!/bin/sh\n",
    "build/apps/gui/krugolet": "#!/bin/sh\necho krugolet \"$@\"\n",
}


class Run(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.tree = pathlib.Path(self.folder.name)
        for path, text in STAND_INS.items():
            (self.tree / path).parent.mkdir(parents=True, exist_ok=True)
            (self.tree / path).write_text(text)
            (self.tree / path).chmod(0o755)
        shutil.copy(ROOT / "scripts" / "run", self.tree / "scripts")
        (self.tree / "build/apps/cli").mkdir(parents=True)
        (self.tree / "build/apps/cli/krugolet-cli").symlink_to(CLI)
        (self.tree / "data").mkdir()
        shutil.copy(ROOT / "data" / "библиотека.txt", self.tree / "data")

    def tearDown(self):
        self.folder.cleanup()

    def run_script(self, *args, display=None):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env["PATH"] = f"{self.tree / 'bin'}:{env['PATH']}"
        if display:
            env["DISPLAY"] = display
        return subprocess.run([str(self.tree / "scripts/run"), *args], env=env,
                              capture_output=True, text=True)

    def test_without_arguments_today_has_a_report(self):
        run = self.run_script()
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertTrue(run.stdout.startswith("Ныне:\n"), run.stdout)
        self.assertIn("Лето от Сотворения Мира в Звездном Храме:", run.stdout)
        self.assertEqual(self.run_script(display=":31").stdout, "krugolet --extended\n")

    def test_the_default_range_on_request(self):
        self.assertEqual(self.run_script("--default-range", display=":31").stdout, "krugolet\n")
        run = self.run_script("--cli", "--default-range", "15.03.2000", "20:30")
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertNotIn("Сотворения", run.stdout)
        self.assertIn("Сотворения", self.run_script("--cli", "15.03.2000", "20:30").stdout)


if __name__ == "__main__":
    unittest.main()
