// The grid of a month page: nine columns under the weekday names, in each cell the old day's
// number and the Gregorian date on whose evening it begins, today marked, and the holidays as
// buttons that show their names under the mouse, under a finger and in the keyboard's focus.
// The holidays take one stop of Tab together; the arrow keys move among them.
import { dayAndMonth, span } from './gregorian-text.js';

function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

function header(name, short) {
  const th = element('th');
  th.scope = 'col';
  const abbreviation = element('span', 'short', short);
  abbreviation.setAttribute('aria-hidden', 'true');
  th.append(element('span', 'full', name), abbreviation);
  return th;
}

const holidayOf = (node) => node?.closest?.('button[data-holiday]') ?? null;

export class MonthGrid {
  // The weekday names of the core's names: narrow screens show the short ones, screen readers
  // hear the full ones.
  constructor(table, tip, { weekdays, short_weekdays: shortNames }) {
    this.body = table.tBodies[0];
    this.tip = tip;
    this.hovered = null;
    // Escape hides the name until the pointer or the focus moves to another holiday.
    this.dismissed = false;
    table.tHead.rows[0].replaceChildren(...weekdays.map((name, i) => header(name, shortNames[i])));

    this.body.addEventListener('pointerover', (event) => {
      this.hovered = holidayOf(event.target);
      this.dismissed = false;
      this.updateTip();
    });
    this.body.addEventListener('pointerleave', () => {
      this.hovered = null;
      this.updateTip();
    });
    // Whichever moved last, the pointer or the focus, names its holiday.
    this.body.addEventListener('focusin', (event) => {
      this.hovered = null;
      this.dismissed = false;
      this.rove(holidayOf(event.target));
      this.updateTip();
    });
    this.body.addEventListener('focusout', () => this.updateTip());
    // Some phones' browsers do not focus a tapped button, and its name would not stay shown.
    this.body.addEventListener('click', (event) => holidayOf(event.target)?.focus());
    this.body.addEventListener('keydown', (event) => this.onKey(event));
  }

  // page: krugolet-cli's JSON of the month; today: the day of the month that is today, or 0.
  // The focus stays on the holiday of the day that had it, where the new grid has one, so that
  // the turn of the day, which fills today's month again, does not take it away.
  fill({ month_name: name, first_column: first, days }, today) {
    const active = document.activeElement;
    const focusedDay = this.body.contains(active) ? holidayOf(active)?.dataset.day : undefined;
    const cells = [];
    for (let column = 1; column < first; column++) cells.push(element('td'));
    for (const day of days) cells.push(this.cell(day, name, day.day === today));
    while (cells.length % 9) cells.push(element('td'));
    const rows = [];
    for (let i = 0; i < cells.length; i += 9) {
      const row = element('tr');
      row.append(...cells.slice(i, i + 9));
      rows.push(row);
    }
    this.body.replaceChildren(...rows);
    const holidays = this.holidays();
    const focused = holidays.find((b) => b.dataset.day === focusedDay);
    this.rove(focused ?? holidays.find((b) => Number(b.dataset.day) === today) ?? holidays[0]);
    this.hovered = null;
    focused?.focus();
    this.updateTip();
  }

  cell({ day, start, end, holiday }, monthName, today) {
    const td = element('td');
    const described = `${monthName}а, ${span(start, end)}${holiday ? `. Праздник: ${holiday}` : ''}`;
    const date = element('span', 'gregorian', dayAndMonth(start));
    date.setAttribute('aria-hidden', 'true');
    const content = [element('span', 'number', String(day)), date,
      element('span', 'visually-hidden', described)];
    if (holiday) {
      td.className = 'holiday';
      const button = element('button');
      button.type = 'button';
      button.tabIndex = -1;
      button.dataset.day = day;
      button.dataset.holiday = holiday;
      button.append(...content);
      td.append(button);
    } else {
      td.append(...content);
    }
    if (today) {
      td.classList.add('today');
      td.setAttribute('aria-current', 'date');
    }
    return td;
  }

  holidays() {
    return [...this.body.querySelectorAll('button[data-holiday]')];
  }

  rove(button) {
    if (!button) return;
    for (const b of this.holidays()) b.tabIndex = b === button ? 0 : -1;
  }

  onKey(event) {
    const current = holidayOf(event.target);
    if (!current) return;
    const holidays = this.holidays();
    const day = Number(current.dataset.day);
    const before = (limit) => holidays.filter((b) => Number(b.dataset.day) <= limit).at(-1);
    const after = (limit) => holidays.find((b) => Number(b.dataset.day) >= limit);
    const next = {
      ArrowLeft: () => before(day - 1),
      ArrowRight: () => after(day + 1),
      ArrowUp: () => before(day - 9),
      ArrowDown: () => after(day + 9),
      Home: () => holidays[0],
      End: () => holidays.at(-1),
    }[event.key];
    if (event.key === 'Escape') {
      this.dismissed = true;
      this.updateTip();
    } else if (next) {
      event.preventDefault();
      next()?.focus();
    }
  }

  // The name of the holiday under the pointer, or else of the focused one, under its cell and
  // kept inside the grid's width; none while the month page is hidden.
  updateTip() {
    const area = this.tip.parentElement;
    const active = document.activeElement;
    const focused = this.body.contains(active) ? holidayOf(active) : null;
    const named = this.dismissed ? null : this.hovered ?? focused;
    // Asked only when there is a name to show: the question makes the browser lay out the page.
    const button = named && area.getClientRects().length > 0 ? named : null;
    for (const b of this.holidays()) b.classList.toggle('named', b === button);
    if (!button) {
      this.tip.hidden = true;
      return;
    }
    this.tip.textContent = button.dataset.holiday;
    this.tip.hidden = false;
    const box = area.getBoundingClientRect();
    const cell = button.getBoundingClientRect();
    const width = this.tip.offsetWidth;
    const left = Math.min(Math.max(cell.left + cell.width / 2 - width / 2 - box.left, 0),
      box.width - width);
    this.tip.style.left = `${left}px`;
    this.tip.style.top = `${cell.bottom - box.top + 4}px`;
  }
}
