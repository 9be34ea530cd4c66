// The result of a conversion: the old date in large type and the report below it, the same text
// as krugolet-cli gives. The present moment is headed "Ныне:", as in the window program.
const caption = document.getElementById('caption');
const oldDate = document.getElementById('old-date');
const report = document.getElementById('report');

// A conversion is announced to screen readers; the present moment, which changes every minute
// without being asked, is not.
export function showResult({ old_date: date, report: text }, { present }) {
  caption.hidden = !present;
  oldDate.setAttribute('aria-live', present ? 'off' : 'polite');
  oldDate.textContent = date;
  report.textContent = text;
}

export function hasResult() {
  return report.textContent !== '';
}
