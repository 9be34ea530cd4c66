// The result of a conversion: the old date in large type, the ways to its month's page and to
// its day, and the report below, the same text as krugolet-cli gives. The present moment is
// headed "Ныне:", as in the window program.
import { isoMoment } from './moment.js';
import { keptDaysAddress, viewAddress } from './route.js';

const result = document.getElementById('result');
const caption = document.getElementById('caption');
const oldDate = document.getElementById('old-date');
const report = document.getElementById('report');

// A conversion is announced to screen readers; the present moment, which changes every minute
// without being asked, is not.
export function showResult({ moment, old: [year, month, day], old_date: date, report: text },
  { present }) {
  result.hidden = false;
  caption.hidden = !present;
  oldDate.setAttribute('aria-live', present ? 'off' : 'polite');
  oldDate.textContent = date;
  document.getElementById('result-month').href = viewAddress('month', year, month);
  document.getElementById('result-day').href = viewAddress('old', year, month, day);
  document.getElementById('result-keep').href = keptDaysAddress(isoMoment(moment));
  report.textContent = text;
}

// Outside the range the present moment has no report, and the last one, of a moment past, goes.
export function hideResult() {
  result.hidden = true;
  report.textContent = '';
}

export function hasResult() {
  return report.textContent !== '';
}
