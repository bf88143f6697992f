// One archive list of the window, drawn in parts: only the lines in view
// (and a few around them) are elements; a spacer above and one below stand in
// for the rest, so 512 banks (4608 lines) cost what a screenful costs. Every line has
// the same height, so a line's place is its number times that height.
// It shows what the core says and reports nothing itself: the page wires the
// clicks, keys and drags, and finds the line of an element with lineOf().
'use strict';

class LineList {
  constructor(element, pane) {
    this.element = element;
    this.pane = pane;
    this.lines = [];
    this.headers = [];
    this.selected = -1;
    this.current = -1;  // where the keys start: the selected line, or the line kept in view
    this.dropLine = -1;
    this.drawn = { first: 0, last: 0 };
    this.lineHeight = parseFloat(getComputedStyle(element).getPropertyValue('--line-height')) || 18;
    this.above = this.spacer();
    this.below = this.spacer();
    element.replaceChildren(this.above, this.below);
    element.addEventListener('scroll', () => this.draw());
    new ResizeObserver(() => this.draw()).observe(element);
  }

  get count() { return this.lines.length; }

  // The scroll offset stays, as on the desktop: lines that stay stay under the
  // mouse. Selection and current line go with the old lines; the core sets them again.
  setLines(lines) {
    this.lines = lines;
    this.headers = [];
    this.selected = -1;
    this.current = -1;
    this.dropLine = -1;
    // Lines are monospaced: the longest gives the width to scroll sideways to.
    let widest = 0;
    for (const line of lines) widest = Math.max(widest, line.length);
    this.element.style.setProperty('--widest', `${widest}ch`);
    this.draw(true);
  }

  setKinds(headers) {
    this.headers = headers;
    this.draw(true);
  }

  // -1 clears the selection; the line the keys start from stays.
  select(line) {
    this.selected = line >= 0 && line < this.count ? line : -1;
    if (this.selected >= 0) this.keepInView(this.selected);
    else this.draw(true);
  }

  keepInView(line) {
    if (line < 0 || line >= this.count) return;
    this.current = line;
    const top = line * this.lineHeight;
    const list = this.element;
    if (top < list.scrollTop) list.scrollTop = top;
    else if (top + this.lineHeight > list.scrollTop + list.clientHeight) list.scrollTop = top + this.lineHeight - list.clientHeight;
    this.draw(true);
  }

  // Drawn at once: the scroll event comes only with the next frame.
  scrollToTop() {
    this.element.scrollTop = 0;
    this.draw();
  }

  setDropLine(line) {
    if (line !== this.dropLine) {
      this.dropLine = line;
      this.draw(true);
    }
  }

  // Whole lines that fit in the list's height, for Page Up and Page Down.
  pageSize() { return Math.max(1, Math.floor(this.element.clientHeight / this.lineHeight) - 1); }

  lineOf(node) {
    const li = node instanceof Element ? node.closest('li[data-line]') : null;
    return li && this.element.contains(li) ? Number(li.dataset.line) : -1;
  }

  // The lines in view, with a margin so that a small scroll needs no new elements.
  draw(changed = false) {
    const list = this.element;
    const margin = 20;
    // A shorter list than before: the offset the browser will clamp to.
    const top = Math.min(list.scrollTop, Math.max(0, this.count * this.lineHeight - list.clientHeight));
    const first = Math.max(0, Math.floor(top / this.lineHeight) - margin);
    const last = Math.min(this.count, Math.ceil((top + list.clientHeight) / this.lineHeight) + margin);
    if (!changed && first === this.drawn.first && last === this.drawn.last) return;
    this.drawn = { first, last };
    this.above.style.height = `${first * this.lineHeight}px`;
    this.below.style.height = `${(this.count - last) * this.lineHeight}px`;
    const drawn = list.children.length - 2;
    for (let i = drawn; i > last - first; i--) this.below.previousElementSibling.remove();
    for (let i = drawn; i < last - first; i++) this.below.before(this.newLine());
    for (let line = first; line < last; line++) this.fill(list.children[line - first + 1], line);
    const current = this.current >= first && this.current < last ? `${this.pane}-line-${this.current}` : null;
    if (current) list.setAttribute('aria-activedescendant', current);
    else list.removeAttribute('aria-activedescendant');
  }

  spacer() {
    const li = document.createElement('li');
    li.setAttribute('role', 'none');
    li.setAttribute('aria-hidden', 'true');
    return li;
  }

  newLine() {
    const li = document.createElement('li');
    li.setAttribute('role', 'option');
    li.draggable = this.pane === 'source';
    return li;
  }

  fill(li, line) {
    if (li.textContent !== this.lines[line]) li.textContent = this.lines[line];
    li.id = `${this.pane}-line-${line}`;
    li.dataset.line = String(line);
    li.className = (this.headers[line] ? 'header' : '') + (line === this.dropLine ? ' drop' : '');
    li.setAttribute('aria-selected', String(line === this.selected));
    li.setAttribute('aria-setsize', String(this.count));
    li.setAttribute('aria-posinset', String(line + 1));
  }
}
