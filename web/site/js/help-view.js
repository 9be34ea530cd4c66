// The help: how to use the page, then the window program's About text, taken from the core.
let filled = false;

export function fillHelp(core) {
  if (filled) return;
  const { value } = core.about();
  if (!value) return;
  const { lines, text } = value;
  const block = document.getElementById('about-lines');
  block.replaceChildren(...lines.flatMap((line, i) => (i ? [document.createElement('br'), line] : [line])));
  document.getElementById('about-text').textContent = text;
  filled = true;
}
