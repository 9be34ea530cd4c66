// A Gregorian moment as the page passes it around: the five field texts, day, month, year, hour
// and minute, in the order of the fields.

const pad = (n, width = 2) => String(n).padStart(width, '0');

// The moment of the device's clock, in its local time.
export function clockMoment(date = new Date()) {
  return [date.getDate(), date.getMonth() + 1, date.getFullYear(), date.getHours(),
    date.getMinutes()].map(String);
}

// A checked moment (five numbers) as the value of a datetime-local field and of the address:
// "2000-03-15T20:30".
export function isoMoment([day, month, year, hour, minute]) {
  return `${pad(year, 4)}-${pad(month)}-${pad(day)}T${pad(hour)}:${pad(minute)}`;
}

// The five field texts of such a value, without leading zeros; null for any other text.
export function fromIsoMoment(text) {
  const parts = /^(\d{4})-(\d{2})-(\d{2})T(\d{2}):(\d{2})$/.exec(text);
  if (!parts) return null;
  const [, year, month, day, hour, minute] = parts.map(Number);
  return [day, month, year, hour, minute].map(String);
}
