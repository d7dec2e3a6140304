// The lesson's browser face, on the page's side: builds the window from the
// core's layout, reports every click and choice to the core's handler, and
// applies what the core asks (enable, caption, field text, drawing, message,
// print, end). No lesson logic lives here. The page's one script: the
// builder bundles it with what it imports.

import { EMBEDDED_FACES, cssFamilies, facesLoaded } from './faces.js';
import { FigureSvg, SVG } from './figure_svg.js';
import { FigureExport } from './figure_export.js';
import { KeturonCombobox } from './keturon_combobox.js';
import { ReadAloud } from './read_aloud.js';
import { RubyTexts } from './ruby_text.js';
import { SupportMenu } from './support_menu.js';
import { PageSupport } from './support_settings.js';

const POINTS_TO_PIXELS = 96 / 72;

function place(el, left, top, width, height) {
  el.style.left = 'calc(var(--u) * ' + left + ')';
  el.style.top = 'calc(var(--u) * ' + top + ')';
  el.style.width = 'calc(var(--u) * ' + width + ')';
  el.style.height = 'calc(var(--u) * ' + height + ')';
}

function fontOf(c) {
  return { size: 'calc(var(--u) * ' + c.points * POINTS_TO_PIXELS + ')', weight: String(c.weight) };
}

class LessonPage {
  constructor(core) {
    this.core = core;
    this.layout = core.layout();
    this.root = document.getElementById('lesson');
    this.controls = new Map(); // name → { element, setEnabled }
    this.shownVersion = -1;
    this.endRequested = false;
    this.support = new PageSupport(core, () => this.applySupport());
    const table = this.support.table;
    // The scheme the core draws in: its default until the load step is done.
    this.faceScheme = table.defaults[table.names.colours];
    this.faceRuby = false;
    this.ruby = new RubyTexts(core);
    const css = document.documentElement.style;
    css.setProperty('--ruby-scale', table.rubyScale);
    css.setProperty('--min-ruby-base', table.minRubyBaseScale);
    this.readAloud = new ReadAloud(() => this.menu.showNoVoice());
    this.build();
    this.figureExport = new FigureExport(this, table);
    this.menu = new SupportMenu(this.root, table, this.support, this.ruby, this.figureExport.actions(),
                                () => this.readAgain());
    // F8 reads again, as the menu's entry says.
    document.addEventListener('keydown', (e) => {
      if (e.key === 'F8' && this.face) {
        e.preventDefault();
        this.readAgain();
      }
    });
    this.applySupport();
    this.fitToView();
    this.followFontFamily();
    // Resizing, turning a tablet and the browser's zoom all resize the view;
    // the event comes before the next frame is drawn, so the window is never
    // shown at the old size. A pinch zoom magnifies without resizing it.
    window.addEventListener('resize', () => this.fitToView());
    this.face = new core.WebFace(this.pageObject());
  }

  // The window as large as the view allows, its aspect kept: the one unit
  // every place and size is a multiple of. The layout viewport, which
  // neither scroll bars nor a pinch zoom change.
  fitToView() {
    const view = document.documentElement;
    const u = Math.min(view.clientWidth / this.layout.width, view.clientHeight / this.layout.height);
    if (u > 0)
      this.root.style.setProperty('--u', u + 'px');
    if (!this.root.hidden)
      this.menu.placeButton();
  }

  // The support settings as they are now: the window's colours and font at
  // once, the figure redrawn by the core in a new scheme.
  applySupport() {
    const scheme = this.support.scheme();
    const shown = [this.root, this.menu.menu, this.menu.button];
    this.support.applyColours(shown);
    const family = cssFamilies(this.support.font().families);
    for (const el of shown)
      el.style.setProperty('--godo-font-family', family);
    const names = this.support.table.names;
    const on = (name) => this.support.value(name) === this.support.table.values[name][1];
    if (this.ruby.switchTo(on(names.ruby))) {
      document.body.classList.toggle('ruby', this.ruby.on);
      this.fitCaptions();
      this.keturon.fit();
    }
    this.speech = on(names.speech);
    if (!this.speech)
      this.readAloud.stop();
    const rate = this.support.table.rates.find((r) => r.name === this.support.value(names.rate));
    this.readAloud.factor = rate.factor;
    this.menu.update();
    if (this.face && this.ruby.on !== this.faceRuby) {
      this.faceRuby = this.ruby.on;
      this.dispatch(() => this.face.setRuby(this.faceRuby));
    }
    if (this.face && scheme.name !== this.faceScheme) {
      this.faceScheme = scheme.name;
      this.dispatch(() => this.face.setColourScheme(scheme.name));
    }
  }

  // The whole window and the figure are drawn in the faces of
  // --godo-font-family on the window (page.css); the support settings may
  // set it anew (to cssFamilies() of a font choice's families). The figure
  // then places its texts by the new face's metrics, the list's field fits
  // its text to it, and the page's own lines (the message, the line after
  // 「終了」) take it too, before the next frame.
  followFontFamily() {
    const family = () => this.root.style.getPropertyValue('--godo-font-family');
    let shown = family();
    document.body.style.setProperty('--godo-font-family', shown);
    new MutationObserver(() => {
      if (family() === shown)
        return;
      shown = family();
      document.body.style.setProperty('--godo-font-family', shown);
      const asked = shown;
      facesLoaded(asked).then(() => {
        if (asked !== shown)
          return; // another face asked for meanwhile
        this.figure.familyChanged();
        // The sentence's readings stand over their base in the new face.
        if (this.face && this.faceRuby)
          this.face.setRuby(true);
        if (this.face)
          this.figure.render(this.face.drawing());
        this.keturon.fit();
        this.fitCaptions();
      });
    }).observe(this.root, { attributes: true, attributeFilter: ['style'] });
  }

  // Resolves once the faces of the window's family are decoded.
  facesLoaded() {
    return facesLoaded(getComputedStyle(this.root).fontFamily);
  }

  build() {
    const w = this.layout;
    const root = this.root;
    root.style.setProperty('--width', w.width);
    root.style.setProperty('--height', w.height);
    root.style.width = 'calc(var(--u) * ' + w.width + ')';
    root.style.height = 'calc(var(--u) * ' + w.height + ')';
    // The layout's own family list is the standard choice's, until the
    // support settings say otherwise.
    root.style.setProperty('--godo-font-family', cssFamilies(w.fontFamilies));

    // Which label names which controls: a group of their own for some.
    const groupOf = new Map();
    const labelOf = new Map();
    for (const n of w.namings) {
      for (const name of n.controls)
        labelOf.set(name, n.label);
      if (!n.group)
        continue;
      const box = document.createElement('div');
      box.id = n.group;
      box.className = 'group';
      box.setAttribute('role', 'group');
      box.setAttribute('aria-labelledby', n.label);
      const members = w.controls.filter((c) => n.controls.includes(c.name));
      const left = Math.min(...members.map((c) => c.left));
      const top = Math.min(...members.map((c) => c.top));
      place(box, left, top, Math.max(...members.map((c) => c.right)) - left,
            Math.max(...members.map((c) => c.bottom)) - top);
      for (const m of members)
        groupOf.set(m.name, { box, left, top });
    }

    // In the page in the lesson's tab order, so that Tab and a screen reader
    // go the same way with no tabindex of their own, each label just before
    // what it names.
    const byName = new Map(w.controls.map((c) => [c.name, c]));
    const order = w.tabOrder.flatMap((name) => (labelOf.has(name) ? [labelOf.get(name), name] : [name]));
    const placed = new Set(order);
    order.push(...w.controls.map((c) => c.name).filter((name) => !placed.has(name)));
    for (const c of [...new Set(order)].map((name) => byName.get(name))) {
      let el;
      let setEnabled = (on) => { el.disabled = !on; };
      if (c.kind === 'button') {
        el = document.createElement('button');
        el.type = 'button';
        el.className = 'push';
        this.ruby.set(el, c.text);
        el.addEventListener('click', () => {
          this.dispatch(() => this.face.clicked(c.name));
          this.readAfter(c.text, el);
        });
      } else if (c.kind === 'combobox') {
        el = document.createElement('div');
        this.keturon = new KeturonCombobox(el, {
          id: c.name, entries: c.entries, labelId: labelOf.get(c.name), openLabel: w.texts.openList,
          onChoose: () => {
            this.dispatch(() => this.face.chosen());
            this.readAfter(this.keturon.text, this.keturon.input);
          },
          ruby: this.ruby,
        });
        this.keturon.text = c.text;
        setEnabled = (on) => this.keturon.setEnabled(on);
      } else if (c.kind === 'label') {
        el = document.createElement('div');
        el.className = 'label';
        el.style.setProperty('--height', c.bottom - c.top);
        this.ruby.set(el, c.text);
      } else {
        el = this.pictureArea(c);
      }
      el.id = c.name;
      const g = groupOf.get(c.name);
      const parent = g ? g.box : root;
      if (g && !g.box.parentNode)
        root.appendChild(g.box);
      const dx = g ? g.left : 0;
      const dy = g ? g.top : 0;
      if (c.kind === 'picture') {
        const b = w.pictureBorder;
        place(el, c.left - dx, c.top - dy, c.right - c.left - 2 * b, c.bottom - c.top - 2 * b);
        el.style.borderWidth = 'calc(var(--u) * ' + b + ')';
      } else {
        place(el, c.left - dx, c.top - dy, c.right - c.left, c.bottom - c.top);
      }
      if (c.points > 0) {
        const f = fontOf(c);
        el.style.fontSize = f.size;
        el.style.fontWeight = f.weight;
      }
      const focusable = c.kind === 'combobox' ? this.keturon.input : el;
      parent.appendChild(el);
      this.controls.set(c.name, { element: focusable, setEnabled });
    }
    // The open list lies over the buttons below it.
    this.controls.get('keturon').element.parentElement.style.zIndex = 1;
  }

  // A sunken frame that is the picture for a screen reader, holding the SVG
  // the figure is drawn in.
  pictureArea(c) {
    const b = this.layout.pictureBorder;
    const frame = document.createElement('div');
    frame.tabIndex = 0;
    frame.setAttribute('role', 'img');
    frame.setAttribute('aria-label', c.accessibleName);
    const svg = document.createElementNS(SVG, 'svg');
    svg.setAttribute('aria-hidden', 'true');
    frame.appendChild(svg);
    const description = document.createElement('div');
    description.id = 'gamen-description';
    // Read as the picture's description only, not a second time as text.
    description.hidden = true;
    document.body.appendChild(description);
    this.description = description;
    frame.setAttribute('aria-describedby', description.id);
    this.figure = new FigureSvg(svg, c.right - c.left - 2 * b, c.bottom - c.top - 2 * b, this.core.opFormat());
    return frame;
  }

  // What the core asks of the page.
  pageObject() {
    return {
      setEnabled: (name, on) => this.controls.get(name).setEnabled(on),
      keturonText: () => this.keturon.text,
      setKeturonText: (t) => { this.keturon.text = t; },
      setCaption: (t) => { document.title = t; },
      setFigureDescription: (t) => { this.description.textContent = t; },
      printWindow: () => window.print(),
      end: () => { this.endRequested = true; },
      showMessage: (t) => this.showMessage(t),
      textWidth: (t, points) => this.figure.textWidth(t, points),
    };
  }

  // With read-aloud on, a press is read: what was pressed, marked while it
  // is read, then what the figure now shows, in the core's kana.
  readAfter(caption, el) {
    if (!this.speech || !this.face)
      return;
    const press = this.face.spokenPress(caption);
    this.readAloud.say([press.caption, press.figure], el);
  }

  readAgain() {
    const picture = this.layout.controls.find((c) => c.kind === 'picture');
    this.readAfter(picture.accessibleName, document.getElementById(picture.name));
  }

  // With ruby, a caption too tall for its button is set smaller, down to
  // the core's least share of its size.
  fitCaptions() {
    for (const c of this.layout.controls.filter((c) => c.kind === 'button')) {
      const el = document.getElementById(c.name);
      el.style.fontSize = fontOf(c).size;
      if (!this.ruby.on || !el.isConnected || el.clientHeight === 0)
        continue;
      const over = el.scrollHeight / el.clientHeight;
      if (over > 1)
        el.style.fontSize = 'calc(' + fontOf(c).size + ' * ' + Math.max(1 / over, this.support.table.minRubyBaseScale) + ')';
    }
  }

  // Every event goes to the core; then the page shows what it drew.
  dispatch(handler) {
    if (!this.face)
      return;
    performance.clearMarks('godo-event');
    performance.clearMeasures('godo-event');
    performance.mark('godo-event');
    handler();
    this.after();
    performance.measure('godo-event', 'godo-event');
  }

  after() {
    const version = this.face.drawingVersion();
    if (version !== this.shownVersion) {
      this.figure.render(this.face.drawing());
      this.shownVersion = version;
    }
    // Whether each overlay button's marks are shown, as the core has it.
    for (const [name, on] of Object.entries(this.face.pressed()))
      this.controls.get(name).element.setAttribute('aria-pressed', String(on));
    if (this.endRequested)
      this.takeDown();
  }

  start() {
    performance.mark('godo-window-built');
    this.face.load();
    // The load step draws in the core's default scheme; one chosen instead
    // is drawn at once, before the window first shows.
    const scheme = this.support.scheme().name;
    if (scheme !== this.faceScheme)
      this.face.setColourScheme(scheme);
    this.faceScheme = scheme;
    if (this.ruby.on)
      this.face.setRuby(true);
    this.faceRuby = this.ruby.on;
    this.after();
    performance.mark('godo-figure-rendered');
    this.root.hidden = false;
    this.keturon.fit();
    this.fitCaptions();
    this.controls.get(this.layout.tabOrder[0]).element.focus();
    performance.mark('godo-first-figure');
    // The support button beside the window once the window is up: it needs
    // the laid-out page, which the first figure does not wait for.
    setTimeout(() => this.menu.placeButton());
  }

  showMessage(text) {
    const dialog = document.getElementById('message');
    document.getElementById('message-title').textContent = document.title;
    this.ruby.set(document.getElementById('message-text'), text);
    if (!dialog.open)
      dialog.showModal();
  }

  // 「終了」: a page cannot end the browser. The lesson is taken down, then
  // the window is closed where every engine allows a page to close it: a tab
  // or app window whose history holds only the lesson (opened by double-click,
  // an installed app just started), or one that a script opened. Elsewhere
  // the engines refuse with a console complaint, so the page does not ask,
  // and the line below stays.
  takeDown() {
    this.face.delete();
    this.face = null;
    this.root.remove();
    this.description.remove();
    this.menu.remove();
    const ended = document.getElementById('ended');
    ended.textContent = this.layout.texts.ended;
    ended.hidden = false;
    if (history.length <= 1 || window.opener)
      window.close();
  }
}

function registerServiceWorker() {
  // Only the served copy with its manifest keeps itself for offline use.
  if (!document.querySelector('link[rel="manifest"]') || !('serviceWorker' in navigator))
    return;
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}

// Compiled at once from the page itself (no fetch); ready within this task.
// Debian 12's emscripten (3.1.6) hands back the module with a `ready` promise,
// later ones (Debian 13's) a promise of the module itself.
// The marks time the start for the benchmarks.
performance.mark('godo-script');
const madeCore = createGodoCore();
Promise.resolve(madeCore.ready ?? madeCore).then((c) => {
  performance.mark('godo-core-ready');
  const lesson = new LessonPage(c);
  lesson.facesLoaded().then(() => {
    lesson.start();
    // The page's other faces once the first frame is out, so that a change
    // of face later is at once.
    requestAnimationFrame(() => setTimeout(() => facesLoaded(cssFamilies(Object.keys(EMBEDDED_FACES)))));
    // Where the page has started: the test build's hooks listen for it.
    document.dispatchEvent(new CustomEvent('godojoken-started', { detail: { core: c, lesson } }));
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.id = 'message-ok';
    ok.textContent = lesson.layout.texts.messageOk;
    ok.addEventListener('click', () => document.getElementById('message').close());
    document.getElementById('message').appendChild(ok);
    registerServiceWorker();
  });
});
