// The Gregorian moments of the calendar's views, which the core writes "2026-10-30T19:00", as
// the page shows them. They are read as text: the calendar counts a 29 February in 1900, which
// a browser's Date does not have.

const form = /^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2})$/;

function parts(moment) {
  const [, year, month, day, hour, minute] = form.exec(moment);
  return { year, month, day, hour, minute };
}

// "19:00 30.10.2026", as krugolet-cli writes it.
export function timeAndDate(moment) {
  const { year, month, day, hour, minute } = parts(moment);
  return `${hour}:${minute} ${day}.${month}.${year}`;
}

// "30.10"
export function dayAndMonth(moment) {
  const { month, day } = parts(moment);
  return `${day}.${month}`;
}

// "с 19:00 30.10.2026 до 19:00 31.10.2026"
export function span(start, end) {
  return `с ${timeAndDate(start)} до ${timeAndDate(end)}`;
}
