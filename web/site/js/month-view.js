// The month page: the month's name and Gregorian span, the way to the months and years around
// it, the grid, and the month's holidays listed under it. A month refused in the form or the
// address leaves the last page shown.
import { RefusalBox } from './field-refusal.js';
import { span } from './gregorian-text.js';
import { fillHolidayList } from './holiday-list.js';
import { MonthGrid } from './month-grid.js';
import { viewAddress } from './route.js';

export class MonthView {
  constructor(section, core, names, { onGo, onPrint }) {
    this.core = core;
    this.section = section;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = new RefusalBox(this.form, this.find('.refusal'));
    this.grid = new MonthGrid(this.find('table'), this.find('.day-tip'), names);
    this.form.elements.month.replaceChildren(
      ...names.months.map((name, i) => new Option(name, String(i + 1))));
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const { year, month } = this.form.elements;
      const { value: page, error } = core.monthPage(year.value, month.value);
      if (page) onGo(viewAddress('month', page.year_from_creation, page.month));
      else this.refusal.show(error);
    });
    this.find('[data-now]').addEventListener('click', () => onGo(viewAddress('month')));
    this.find('[data-print]').addEventListener('click', onPrint);
  }

  // The month of the texts [year, month], today ([year, month, day] or null) marked in it.
  // Returns the page's title, or null when the month is refused.
  show([year, month], today) {
    const { value: page, error } = this.core.monthPage(year, month);
    this.form.elements.year.value = year;
    this.form.elements.month.value = page ? String(page.month) : month;
    if (!page) {
      this.shown = null;
      this.refusal.show(error);
      return null;
    }
    this.refusal.clear();
    const { year_from_creation: y, month: m, month_name: name, days } = page;
    this.shown = [y, m];
    const title = `${name} ${y} лета`;
    this.find('h2').textContent = title;
    this.find('.view-span').textContent = span(days[0].start, days.at(-1).end);
    const yearLink = this.find('[data-part="year"]');
    yearLink.href = viewAddress('year', y);
    yearLink.textContent = `Все лето ${y}`;
    const around = this.core.monthNeighbours(String(y), String(m)).value ?? {};
    const { previous_year: previousYear, previous, next, next_year: nextYear } = around;
    this.step('[data-step="previous-year"]', previousYear, `‹ ${y - 1}`, 'Предыдущее лето');
    this.step('[data-step="previous"]', previous, `‹ ${previous?.month_name}`, 'Предыдущий месяц');
    this.step('[data-step="next"]', next, `${next?.month_name} ›`, 'Следующий месяц');
    this.step('[data-step="next-year"]', nextYear, `${y + 1} ›`, 'Следующее лето');
    for (const part of this.section.querySelectorAll('.view-result')) part.hidden = false;
    this.grid.fill(page, this.holds(today) ? today[2] : 0);
    fillHolidayList(this.find('.holiday-list'), days.filter((d) => d.holiday).map((d) => ({
      name: d.holiday, day: `${d.day} ${name}а, ${d.weekday}`, start: d.start, end: d.end,
    })));
    return title;
  }

  // Whether today ([year, month, day] or null) lies in the month shown: only then does the turn
  // of the day change the page.
  holds(today) {
    return Boolean(today && this.shown && today[0] === this.shown[0] && today[1] === this.shown[1]);
  }

  // A link to a month around this one ({year_from_creation, month, month_name}), hidden when that
  // month lies outside the range, where the core gives none.
  step(selector, neighbour, text, what) {
    const link = this.find(selector);
    link.hidden = !neighbour;
    if (!neighbour) return;
    const { year_from_creation: year, month, month_name: name } = neighbour;
    link.href = viewAddress('month', year, month);
    link.textContent = text;
    link.setAttribute('aria-label', `${what}: ${name} ${year} лета`);
  }
}
