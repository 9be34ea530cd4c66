// The help: how to use the page, with the range the core computes in, then the window program's
// About text, taken from the core.
let filled = false;

export function fillHelp(core) {
  if (filled) return;
  const { value } = core.about();
  if (!value) return;
  const { lines, text } = value;
  const block = document.getElementById('about-lines');
  block.replaceChildren(...lines.flatMap((line, i) => (i ? [document.createElement('br'), line] : [line])));
  document.getElementById('about-text').textContent = text;
  document.getElementById('range-text').textContent = core.range().value?.text ?? '';
  filled = true;
}
