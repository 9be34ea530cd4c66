"""khal in a throwaway home of its own, for the tests of the calendar files: one calendar, a file
imported into it, and what khal lists on which days."""
import os
import pathlib
import subprocess
import tempfile


class KhalHome:
    def __init__(self):
        self.folder = tempfile.TemporaryDirectory()
        home = pathlib.Path(self.folder.name)
        self.calendar = home / "calendar"
        self.calendar.mkdir()
        self.config = home / "config"
        self.config.write_text(f"""[calendars]
[[krugolet]]
path = {self.calendar}
type = calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = Europe/Moscow
default_timezone = Europe/Moscow
[sqlite]
path = {home / "khal.db"}
""", encoding="utf-8")
        self.env = dict(os.environ, HOME=str(home), XDG_CONFIG_HOME=str(home),
                        XDG_DATA_HOME=str(home), XDG_CACHE_HOME=str(home), LC_ALL="C.UTF-8")

    def close(self):
        self.folder.cleanup()

    def khal(self, *args):
        return subprocess.run(["khal", "-c", str(self.config), *args], env=self.env, check=True,
                              capture_output=True, text=True).stdout

    def import_file(self, data):
        """The file's bytes imported into the calendar."""
        path = pathlib.Path(self.folder.name) / "file.ics"
        path.write_bytes(data)
        self.khal("import", "--batch", "-a", "krugolet", str(path))

    def stored(self):
        """How many events the calendar holds."""
        return len(list(self.calendar.iterdir()))

    def listed(self, first, after):
        """Each event khal lists from the day `first` up to the day `after`, as "start end title",
        with the days it is listed on."""
        listed = {}
        day = None
        for line in self.khal("list", "--day-format", "DAY {date}", "--format",
                              "{start} {end} {title}", first, after).splitlines():
            if line.startswith("DAY "):
                day = line[4:]
            elif line:
                listed.setdefault(line, set()).add(day)
        return listed
