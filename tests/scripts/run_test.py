"""scripts/run as a new user meets it: without arguments the programs start in the wide range, as
the menu's "Круголет" does, so today has a report. It runs in a copy of the tree whose packages,
build and window program are stand-ins; krugolet-cli is the real one."""
import os
import pathlib
import shutil
import subprocess
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
STAND_INS = {
    "scripts/packages.sh": "ensure_packages() { :; }\nNATIVE_PACKAGES=() QT_PACKAGES=()\n",
    "bin/cmake": "#!/bin/sh\n",
    "build/apps/gui/krugolet": '#!/bin/sh\necho krugolet "$@"\n',
}


class Run(unittest.TestCase):
    def run_script(self, tree, *args, display=None):
        env = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
        env["PATH"] = f"{tree / 'bin'}:{env['PATH']}"
        env.update({"DISPLAY": display} if display else {})
        return subprocess.run([str(tree / "scripts/run"), *args], env=env, capture_output=True,
                              text=True)

    def test_the_wide_range_unless_the_default_is_asked_for(self):
        with tempfile.TemporaryDirectory() as folder:
            tree = pathlib.Path(folder)
            for path, text in STAND_INS.items():
                (tree / path).parent.mkdir(parents=True, exist_ok=True)
                (tree / path).write_text(text)
                (tree / path).chmod(0o755)
            shutil.copy(ROOT / "scripts/run", tree / "scripts")
            (tree / "build/apps/cli").mkdir()
            (tree / "build/apps/cli/krugolet-cli").symlink_to(os.environ["KRUGOLET_CLI"])
            (tree / "data").mkdir()
            shutil.copy(ROOT / "data/библиотека.txt", tree / "data")

            run = self.run_script(tree)
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assertTrue(run.stdout.startswith("Ныне:\n"), run.stdout)
            self.assertIn("Лето от Сотворения Мира в Звездном Храме:", run.stdout)
            run = self.run_script(tree, "--cli", "--default-range", "15.03.2000", "20:30")
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assertNotIn("Сотворения", run.stdout)
            self.assertEqual(self.run_script(tree, display=":31").stdout, "krugolet --extended\n")
            self.assertEqual(self.run_script(tree, "--default-range", display=":31").stdout,
                             "krugolet\n")


if __name__ == "__main__":
    unittest.main()
