// The year page: the year's name, kind and Gregorian span, the way to the years around it, the
// nine months as small month grids, each under a link to its own page, and the year's holidays
// listed month by month under them, which is what a printed wall calendar needs. A year refused
// in the form or the address leaves the last page shown.
import { RefusalBox } from './field-refusal.js';
import { span } from './gregorian-text.js';
import { MonthGrid } from './month-grid.js';
import { viewAddress } from './route.js';

function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

// One month's place on the page: its linked name over a grid with its own holiday tip.
function monthBlock(names, number) {
  const block = element('section', 'year-month');
  const link = element('a');
  link.id = `year-month-${number}`;
  block.setAttribute('aria-labelledby', link.id);
  const heading = element('h3');
  heading.append(link);
  const area = element('div', 'month-grid compact');
  const table = element('table');
  table.append(element('thead'), element('tbody'));
  table.tHead.append(element('tr'));
  const tip = element('p', 'day-tip');
  tip.setAttribute('aria-hidden', 'true');
  tip.hidden = true;
  area.append(table, tip);
  block.append(heading, area);
  return { block, link, grid: new MonthGrid(table, tip, names) };
}

export class YearView {
  constructor(section, core, names, { onGo, onPrint }) {
    this.core = core;
    this.section = section;
    this.find = (selector) => section.querySelector(selector);
    this.form = this.find('form');
    this.refusal = new RefusalBox(this.form, this.find('.refusal'));
    this.months = names.months.map((_, i) => monthBlock(names, i + 1));
    this.find('.year-grid').replaceChildren(...this.months.map(({ block }) => block));
    this.form.addEventListener('submit', (event) => {
      event.preventDefault();
      const { value: page, error } = core.yearPage(this.form.elements.year.value);
      if (page) onGo(viewAddress('year', page.year_from_creation));
      else this.refusal.show(error);
    });
    this.find('[data-now]').addEventListener('click', () => onGo(viewAddress('year')));
    this.find('[data-print]').addEventListener('click', onPrint);
  }

  // The year of the text, today ([year, month, day] or null) framed in it. Returns the page's
  // title, or null when the year is refused.
  show(year, today) {
    const { value: page, error } = this.core.yearPage(year);
    this.form.elements.year.value = year;
    if (!page) {
      this.shown = null;
      this.refusal.show(error);
      return null;
    }
    this.refusal.clear();
    const { year_from_creation: y, name, sacred, months } = page;
    this.shown = y;
    const days = months.reduce((sum, month) => sum + month.days.length, 0);
    this.find('h2').textContent = `${sacred ? 'Священное лето' : 'Лето'} ${y} — ${name}`;
    const kind = sacred ? ', все девять месяцев по 41 дню' : '';
    const whole = span(months[0].days[0].start, months.at(-1).days.at(-1).end);
    this.find('.view-span').textContent = `${days} дней${kind}: ${whole}`;
    this.step('[data-step="previous"]', y - 1, `‹ ${y - 1}`, 'Предыдущее лето');
    this.step('[data-step="next"]', y + 1, `${y + 1} ›`, 'Следующее лето');
    for (const part of this.section.querySelectorAll('.view-result')) part.hidden = false;
    months.forEach((month, i) => {
      const { link, grid } = this.months[i];
      link.href = viewAddress('month', y, month.month);
      link.textContent = month.month_name;
      grid.fill(month, today && today[0] === y && today[1] === month.month ? today[2] : 0);
    });
    this.fillHolidays(months);
    return `Лето ${y}`;
  }

  // Whether today ([year, month, day] or null) lies in the year shown.
  holds(today) {
    return Boolean(today && this.shown && today[0] === this.shown);
  }

  // The holidays month by month, each after its day's number, small enough for the printed page.
  fillHolidays(months) {
    this.find('.year-holidays').replaceChildren(...months.map(({ month_name: name, days }) => {
      const line = element('p');
      line.append(element('strong', '', name), ': ');
      days.filter((d) => d.holiday).forEach(({ day, holiday }, i) => {
        line.append(i ? '; ' : '', element('b', '', String(day)), ` ${holiday}`);
      });
      line.append('.');
      return line;
    }));
  }

  // A link to the year before or after, hidden outside the range (whose first day the core, asked
  // for it alone, does not give).
  step(selector, year, text, what) {
    const link = this.find(selector);
    const { value: day } = this.core.oldDay(String(year), '1', '1');
    link.hidden = !day;
    if (!day) return;
    link.href = viewAddress('year', year);
    link.textContent = text;
    link.setAttribute('aria-label', `${what}: ${year}`);
  }
}
