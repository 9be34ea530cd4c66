#!/usr/bin/python3
"""Measures the web page (docs/performance.md): the site's size as a host sends it compressed,
the navigation to the painted report in headless Chromium beside a blank page's in the same run
(then from the service worker's copy, as at a later visit), the time of one report computed
in the page, and the person's list of 200 kept days drawn, against reports of the same run.

    bench/web_page.py [SITE_DIR]      (build-web/site by default; build it with the web preset)
"""

import json
import pathlib
import re
import shutil
import statistics
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "tests" / "web"))
from browser import ROOT, Server, chromium  # noqa: E402

LOADS = 10

# A page with one line of text, timed the same way as the report.
BLANK = '<!doctype html><html lang="ru"><meta charset="utf-8"><title>-</title>' \
        '<p elementtiming="report">.</p></html>'


def without_scripts(index):
    """The page as HTML and CSS alone, no scripts, no core: its title timed as the report is."""
    index = re.sub(r'<link rel="(modulepreload|preload)"[^>]*>\n|<script [^>]*></script>', "", index)
    index = index.replace(' elementtiming="report"', "")
    return index.replace('<span class="name">', '<span class="name" elementtiming="report">')

# When the report's text was first painted, in ms from the start of the navigation.
PAINTED = """
const done = arguments[arguments.length - 1];
new PerformanceObserver((list) => {
  for (const entry of list.getEntries())
    if (entry.identifier === 'report') done(entry.renderTime || entry.loadTime);
}).observe({ type: 'element', buffered: true });
"""

# One report computed in the page, over moments spread across the years, as the page asks for it:
# the fields' texts in, the parsed answer out. Milliseconds per report, for each of 5 rounds.
COMPUTE = """
const done = arguments[arguments.length - 1];
import('./modules/js/core.js').then(async ({ loadCore }) => {
  const core = await loadCore();
  const moments = [];
  for (let i = 0; i < 1000; i++)
    moments.push([1 + i % 28, 1 + i % 12, 1801 + (i * 7) % 297, i % 24, (i * 13) % 60].map(String));
  const rounds = [];
  for (let round = 0; round < 5; round++) {
    const start = performance.now();
    for (const m of moments) if (!core.compute(m).report) throw new Error(m.join(' '));
    rounds.push((performance.now() - start) / moments.length);
  }
  done(rounds);
});
"""

# The calendar's views computed in the page as it asks for them, the texts in and the parsed
# answer (or the file's bytes) out, beside reports timed in the same steps, so that the machine's
# other load falls on all of them alike: each step 20 reports, 3 month pages (months of years
# spread from 7309 to 7607) and one year's calendar file (years from 1800 to 2099). Milliseconds
# per call, for each of 5 rounds of 60 steps: [report, month page, file].
COMPUTE_VIEWS = """
const done = arguments[arguments.length - 1];
import('./modules/js/core.js').then(async ({ loadCore }) => {
  const core = await loadCore();
  const time = (call) => {
    const start = performance.now();
    call();
    return performance.now() - start;
  };
  const rounds = [];
  for (let round = 0; round < 5; round++) {
    const spent = [0, 0, 0];
    for (let step = 0; step < 60; step++) {
      spent[0] += time(() => {
        for (let i = step * 20; i < step * 20 + 20; i++) {
          const moment = [1 + i % 28, 1 + i % 12, 1801 + (i * 7) % 297, i % 24, (i * 13) % 60];
          if (!core.compute(moment.map(String)).report) throw new Error(moment);
        }
      });
      spent[1] += time(() => {
        for (let i = step * 3; i < step * 3 + 3; i++)
          if (!core.monthPage(String(7309 + i % 299), String(1 + i % 9)).page) throw new Error(i);
      });
      spent[2] += time(() => {
        if (!core.yearIcalendar(String(1800 + step * 5))) throw new Error(step);
      });
    }
    rounds.push([spent[0] / 1200, spent[1] / 180, spent[2] / 60]);
  }
  done(rounds);
});
"""

# A month page as the page shows it: the page's own handling of the address (the month and its
# four neighbours computed, the grid, the holidays and the links put in the DOM) and the layout
# of the result, over the months of every tenth year. Milliseconds per page, for each of 3 rounds.
SHOW_MONTHS = """
const done = arguments[arguments.length - 1];
const rounds = [];
for (let round = 0; round < 3; round++) {
  let count = 0;
  const start = performance.now();
  for (let year = 7309; year <= 7607; year += 10)
    for (let month = 1; month <= 9; month++, count++) {
      history.pushState(null, '', `#month/${year}/${month}`);
      window.dispatchEvent(new PopStateEvent('popstate'));
      document.body.offsetHeight;
    }
  rounds.push((performance.now() - start) / count);
}
done(rounds);
"""


# 200 kept days over the whole range, of every kind, as the page keeps them.
KEPT_DAYS = json.dumps({"format": "krugolet-kept-days", "version": 1, "entries": [
    {"name": f"Имя {i}", "kind": ("birthday", "anniversary", "memorial")[i % 3],
     "moment": f"{1801 + i * 37 % 297:04}-{1 + i % 12:02}-{1 + i % 28:02}T{i % 24:02}:{i * 7 % 60:02}"}
    for i in range(200)]})

# The list of kept days as the page shows it, from the address's change to the entries in the
# DOM and laid out (each entry's next return computed by the core), beside 200 reports computed
# by the core in the same round: [ms per report, ms for the list], for each of 5 rounds.
SHOW_KEPT_DAYS = """
const done = arguments[arguments.length - 1];
import('./modules/js/core.js').then(async ({ loadCore }) => {
  const core = await loadCore();
  const go = (address) => {
    history.pushState(null, '', address);
    window.dispatchEvent(new PopStateEvent('popstate'));
    document.body.offsetHeight;
  };
  const rounds = [];
  for (let round = 0; round < 5; round++) {
    let start = performance.now();
    for (let i = 0; i < 200; i++) {
      const moment = [1 + i % 28, 1 + i % 12, 1801 + (i * 7) % 297, i % 24, (i * 13) % 60];
      if (!core.compute(moment.map(String)).report) throw new Error(moment);
    }
    const report = (performance.now() - start) / 200;
    go('#help');
    start = performance.now();
    go('#dates');
    const list = performance.now() - start;
    if (document.querySelectorAll('.kept-entry').length !== 200) throw new Error('not drawn');
    rounds.push([report, list]);
  }
  done(rounds);
});
"""


def serve_modules(site, folder):
    """The page's modules as they are before the build bundles them, beside the core's loader and
    module of the same build (build-web/web) and the library, so that the measurements of the
    core can import core.js alone."""
    shutil.copytree(ROOT / "web" / "site" / "js", folder / "js")
    for name in ("krugolet-core.js", "krugolet-core.wasm"):
        shutil.copy(site.parent / "web" / name, folder / "js")
    shutil.copy(site / "библиотека.txt", folder)


def transfer_sizes(site):
    """Each file's bytes and those of its compressed copies as the build lays them beside it (the
    file itself where it has none: an image)."""
    rows = []
    for f in sorted(p for p in site.rglob("*") if p.is_file() and p.suffix not in (".br", ".gz")):
        size = f.stat().st_size
        packed = [f.with_name(f.name + s).stat().st_size if f.with_name(f.name + s).is_file()
                  else size for s in (".br", ".gz")]
        rows.append((str(f.relative_to(site)), size, *packed))
    return rows


def navigation_times(driver, url, loads):
    """Per load: ms to the painted report, and the ms of CPU that the page's main thread spent
    on the way (Chromium's TaskDuration in thread ticks, less at the mercy of other processes)."""
    times = []
    for _ in range(loads):
        driver.get("about:blank")
        driver.execute_cdp_cmd("Performance.disable", {})
        driver.execute_cdp_cmd("Performance.enable", {"timeDomain": "threadTicks"})
        driver.get(url)
        painted = driver.execute_async_script(PAINTED)
        metrics = driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
        cpu = next(m["value"] for m in metrics if m["name"] == "TaskDuration") * 1000
        times.append((painted, cpu))
    return times


def painted_median(times):
    return statistics.median(t for t, _ in times)


def summary(name, times):
    painted = [t for t, _ in times]
    cpu = [c for _, c in times]
    print(f"{name}, ms: median {statistics.median(painted):.0f}, "
          f"all {sorted(round(t) for t in painted)}; main thread CPU median "
          f"{statistics.median(cpu):.0f}")


def main():
    site = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build-web" / "site")
    rows = transfer_sizes(site)
    print("file | bytes | .br | .gz")
    for row in rows:
        print(" | ".join(map(str, row)))
    print("total | " + " | ".join(str(sum(r[i] for r in rows)) for i in (1, 2, 3)))

    with tempfile.TemporaryDirectory() as served:
        shutil.copytree(site, served, dirs_exist_ok=True)
        (pathlib.Path(served) / "blank.html").write_text(BLANK, encoding="utf-8")
        serve_modules(site, pathlib.Path(served) / "modules")
        index = (site / "index.html").read_text(encoding="utf-8")
        (pathlib.Path(served) / "static.html").write_text(without_scripts(index), encoding="utf-8")
        server = Server(pathlib.Path(served))
        driver = chromium()
        try:
            # Every load from the server, as a first visit: no HTTP cache, no service worker.
            driver.execute_cdp_cmd("Network.enable", {})
            driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
            blank, static, page = [], [], []
            for _ in range(LOADS):  # in turn, so that all see the same load on the machine
                blank += navigation_times(driver, server.url + "blank.html", 1)
                static += navigation_times(driver, server.url + "static.html", 1)
                page += navigation_times(driver, server.url + "#2000-03-15T20:30", 1)
            summary("blank page painted", blank)
            summary("the page without scripts painted", static)
            summary("report painted", page)
            print(f"report painted / the page without scripts: "
                  f"{painted_median(page) / painted_median(static):.2f}, load average "
                  f"{' '.join(pathlib.Path('/proc/loadavg').read_text().split()[:3])}")
            # A later visit: the page from the service worker's copy.
            driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": False})
            driver.get(server.url)
            driver.execute_async_script("navigator.serviceWorker.ready.then(arguments[0])")
            summary("report painted from the service worker's copy",
                    navigation_times(driver, server.url + "#2000-03-15T20:30", LOADS))
            driver.get(server.url + "blank.html")
            driver.set_script_timeout(60)
            rounds = driver.execute_async_script(COMPUTE)
            print("one report computed, ms, 5 rounds of 1000: "
                  + ", ".join(f"{r:.4f}" for r in rounds))
            driver.get(server.url + "blank.html")
            for report, month, file in driver.execute_async_script(COMPUTE_VIEWS):
                print(f"ms per call: report {report:.4f}, month page {month:.4f} "
                      f"({month / report:.1f} reports), year's calendar file {file:.3f} "
                      f"({file / report:.0f} reports)")
            driver.get(server.url + "#help")
            WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "about-text").text)
            print("month page shown, ms per page, 3 rounds of 270: " + ", ".join(
                f"{r:.3f}" for r in driver.execute_async_script(SHOW_MONTHS)))
            driver.execute_script("localStorage.setItem('krugolet.kept-days', arguments[0])",
                                  KEPT_DAYS)
            driver.get("about:blank")
            driver.get(server.url + "#help")
            WebDriverWait(driver, 10).until(lambda d: d.find_element(By.ID, "about-text").text)
            for report, kept in driver.execute_async_script(SHOW_KEPT_DAYS):
                print(f"list of 200 kept days shown: {kept:.1f} ms, one report {report:.4f} ms "
                      f"({kept / report:.0f} reports)")
        finally:
            driver.quit()
            server.stop()


if __name__ == "__main__":
    main()
