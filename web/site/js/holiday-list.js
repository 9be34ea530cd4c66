// A list of holidays: each one's name, then its old day and the Gregorian evenings it begins and
// ends on. The old day is a link when it leads elsewhere (to its month's page).
import { span } from './gregorian-text.js';

// items: [{name, day, href, start, end}], day the old day as text.
export function fillHolidayList(list, items) {
  list.replaceChildren(...items.map(({ name, day, href, start, end }) => {
    const item = document.createElement('li');
    const title = document.createElement('strong');
    title.textContent = name;
    const when = document.createElement('span');
    when.className = 'when';
    const old = document.createElement(href ? 'a' : 'span');
    old.className = 'old-day';
    old.textContent = day;
    if (href) old.href = href;
    when.append(old, `: ${span(start, end)}`);
    item.append(title, when);
    return item;
  }));
}
