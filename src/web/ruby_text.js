// Ruby on the page: the lesson's texts with the readings of the core's table
// over their kanji, as <ruby> with <rt>. Screen readers read a text once, as
// it is written: what is shown with ruby is hidden from them, and the text
// stands beside it unseen, so that a name made of it (a button's, a label's
// for what it labels) is the text itself, whatever an engine makes of ruby.

export class RubyTexts {
  // core: the module, whose readingRuns() splits a text into its runs.
  constructor(core) {
    this.core = core;
    this.on = false;
    this.runs = new Map(); // text → its runs, asked of the core once
    this.shown = new Map(); // element → the text it shows
  }

  // Shows `text` in `el`, with its readings while ruby is on, and again
  // whenever ruby is switched.
  set(el, text) {
    this.shown.set(el, text);
    this.fill(el, text);
  }

  // Ruby on or off everywhere it is shown; false when nothing changed.
  switchTo(on) {
    if (on === this.on)
      return false;
    this.on = on;
    for (const [el, text] of this.shown) {
      if (el.isConnected)
        this.fill(el, text);
      else
        this.shown.delete(el);
    }
    return true;
  }

  runsOf(text) {
    let runs = this.runs.get(text);
    if (!runs) {
      runs = this.core.readingRuns(text);
      this.runs.set(text, runs);
    }
    return runs;
  }

  hasReadings(text) {
    return this.runsOf(text).some(([, reading]) => reading);
  }

  fill(el, text) {
    if (!this.on)
      return void (el.textContent = text);
    const read = document.createElement('span');
    read.className = 'unseen';
    read.textContent = text;
    const shown = document.createElement('span');
    shown.setAttribute('aria-hidden', 'true');
    shown.append(...this.runsOf(text).map(([base, reading]) => {
      if (!reading)
        return base;
      const ruby = document.createElement('ruby');
      ruby.append(base, Object.assign(document.createElement('rt'), { textContent: reading }));
      return ruby;
    }));
    el.replaceChildren(read, shown);
  }
}
