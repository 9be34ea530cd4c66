#!/usr/bin/env bash
# Lighthouse 12 (from the npm registry, at the version that bench/lighthouse/package-lock.json
# pins: 12.2.3, the last that runs on Node 20) with Debian's chromium, against the site served by
# web/serve.py, in its mobile profile (a mid-range phone on a slow 4G network, as simulated) and
# its desktop profile, RUNS times each in turn; prints each run's four scores, its largest and
# first contentful paint and the load average before it (docs/performance.md):
#   bench/lighthouse.sh [SITE_DIR] [RUNS]      (build-web/site and 3 by default)
# Lighthouse is installed into build-web/lighthouse; the reports are left there as JSON.
set -euo pipefail
cd "$(dirname "$0")/.."
site=${1:-build-web/site}
runs=${2:-3}
tools=$PWD/build-web/lighthouse
port=8795

mkdir -p "$tools"
if ! cmp -s bench/lighthouse/package-lock.json "$tools/package-lock.json" ||
   [ ! -x "$tools/node_modules/.bin/lighthouse" ]; then
    cp bench/lighthouse/package.json bench/lighthouse/package-lock.json "$tools/"
    (cd "$tools" && npm ci --no-audit --no-fund --loglevel=error)
fi

python3 web/serve.py "$site" "$port" >/dev/null &
server=$!
trap 'kill $server' EXIT
sleep 1

for run in $(seq "$runs"); do
    for profile in mobile desktop; do
        preset=()
        [ $profile = desktop ] && preset=(--preset=desktop)
        load=$(cut -d' ' -f1-3 /proc/loadavg)
        report=$tools/$profile-$run.json
        CHROME_PATH=/usr/bin/chromium "$tools/node_modules/.bin/lighthouse" \
            "http://127.0.0.1:$port/" --quiet "${preset[@]}" --output=json --output-path="$report" \
            --chrome-flags="--headless=new --no-sandbox --disable-gpu --disable-dev-shm-usage"
        python3 - "$report" "$profile" "$run" "$load" <<'PY'
import json, sys
report, profile, run, load = sys.argv[1:]
r = json.load(open(report))
scores = " ".join(f"{k} {round(v['score'] * 100)}" for k, v in r["categories"].items())
paint = {k: r["audits"][k]["numericValue"] for k in ("largest-contentful-paint", "first-contentful-paint")}
print(f"{profile} {run}: {scores}; LCP {paint['largest-contentful-paint'] / 1000:.2f} s, "
      f"FCP {paint['first-contentful-paint'] / 1000:.2f} s; load average {load}", flush=True)
PY
    done
done
