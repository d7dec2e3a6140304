// The support menu 「サポート」 on the WAI-ARIA menu pattern: one group of
// menuitemradio entries per setting of many values (配色: the colour schemes,
// 文字の形: the fonts, the speeds of read-aloud), a menuitemcheckbox for each
// setting that is off or on (ルビ, 読み上げ), each with aria-checked, and
// the commands (menuitem: read again, copy the figure, save it). It is the window's context menu, so every
// way a device has to ask for one opens it: a right-click, a long press, the
// Menu key and Shift+F10. Where the view leaves room beside the window, a
// small 「サポート」 button in that margin opens it too; it never covers a
// control of the lesson. In the open menu the arrow keys, Home and End move,
// Space checks an entry, Enter and a click check it and close the menu, and
// Escape or Tab closes it; the focus goes back where it was.

const LONG_PRESS_MS = 550;
const LONG_PRESS_SLOP = 10; // CSS pixels a finger may wander
// Room the button needs on each side: the page's style sets it 8 px in from
// the view's corner.
const MARGIN_GAP = 8;

export class SupportMenu {
  // lessonWindow: the lesson's window element, whose context menu this is;
  // table: the core's support table; settings: the page's PageSupport;
  // ruby: the page's RubyTexts; actions: [caption, what it does] of the
  // commands on the figure; readAgain(): what the read-aloud entry does.
  constructor(lessonWindow, table, settings, ruby, actions, readAgain) {
    this.lessonWindow = lessonWindow;
    this.settings = settings;
    this.ruby = ruby;
    this.returnTo = null;
    this.longPressed = false;

    this.menu = document.createElement('div');
    this.menu.id = 'support-menu';
    this.menu.setAttribute('role', 'menu');
    this.menu.setAttribute('aria-label', table.texts.menu);
    this.menu.hidden = true;
    this.items = [];
    this.actions = new Map();
    const names = table.names;
    const rates = table.rates.map((r) => ({ name: r.name, caption: r.caption }));
    // Sections between separators: a group of choices (one setting, its
    // heading shown above), a switch (one setting off or on), a command.
    const sections = [
      [{ group: [names.colours, table.texts.colours, table.schemes] }],
      [{ group: [names.font, table.texts.font, table.fonts] }],
      [{ switch: [names.ruby, table.texts.ruby] }],
      [{ switch: [names.speech, table.texts.speech] }, { group: [names.rate, table.texts.speech, rates, true] },
       { action: [table.texts.readAgain, readAgain] }],
      actions.map((a) => ({ action: a })),
    ];
    sections.forEach((section, i) => {
      if (i > 0)
        this.menu.appendChild(document.createElement('div')).setAttribute('role', 'separator');
      for (const entry of section) {
        if (entry.group) {
          const [setting, heading, choices, unheaded] = entry.group;
          const group = document.createElement('div');
          group.setAttribute('role', 'group');
          group.setAttribute('aria-label', heading);
          if (!unheaded) {
            const shown = document.createElement('div');
            shown.className = 'heading';
            shown.setAttribute('aria-hidden', 'true');
            this.ruby.set(shown, heading);
            group.appendChild(shown);
          } else {
            group.className = 'under';
          }
          for (const c of choices)
            group.appendChild(this.item('menuitemradio', c.caption, { setting, value: c.name }));
          this.menu.appendChild(group);
        } else if (entry.switch) {
          const [setting, caption] = entry.switch;
          const [off, on] = table.values[setting]; // the default, off, first
          this.menu.appendChild(this.item('menuitemcheckbox', caption, { setting, value: on, off }));
        } else {
          const [caption, run] = entry.action;
          const item = this.item('menuitem', caption, {});
          this.actions.set(item, run);
          this.menu.appendChild(item);
        }
      }
    });
    // Where the device has no Japanese voice, said once, after the speech entries.
    const again = [...this.actions.keys()][0];
    this.noVoice = this.item('menuitem', table.texts.noVoice, {});
    this.noVoice.hidden = true;
    this.noVoice.className = 'notice';
    this.noVoice.setAttribute('aria-disabled', 'true');
    again.after(this.noVoice);
    this.menu.addEventListener('keydown', (e) => this.key(e));
    this.menu.addEventListener('contextmenu', (e) => e.preventDefault());
    // A press on the menu's headings or edge keeps the focus in it.
    this.menu.addEventListener('mousedown', (e) => e.preventDefault());
    this.menu.addEventListener('focusout', (e) => {
      if (!this.menu.contains(e.relatedTarget))
        this.close(false);
    });

    this.button = document.createElement('button');
    this.button.type = 'button';
    this.button.id = 'support-button';
    this.button.textContent = table.texts.menu;
    this.button.setAttribute('aria-haspopup', 'menu');
    this.button.setAttribute('aria-controls', this.menu.id);
    this.button.setAttribute('aria-expanded', 'false');
    this.button.hidden = true;
    this.button.addEventListener('click', () => {
      if (this.isOpen())
        return this.close(true);
      const r = this.button.getBoundingClientRect();
      this.open(r.right, r.bottom, this.button, true);
    });
    document.body.append(this.button, this.menu);
    this.listen();
    this.update();
  }

  // An entry of the menu; data: its setting and the value it stands for
  // (and a switch's value when off).
  item(role, caption, data) {
    const item = document.createElement('div');
    item.setAttribute('role', role);
    item.tabIndex = -1;
    // One line of text beside the entry's dot, with its readings over it.
    this.ruby.set(item.appendChild(document.createElement('span')), caption);
    Object.assign(item.dataset, data);
    item.addEventListener('click', () => this.check(item, true));
    item.addEventListener('mousemove', () => item.focus());
    this.items.push(item);
    return item;
  }

  // Tells, in the menu from now on, that there is no Japanese voice.
  showNoVoice() {
    this.noVoice.hidden = false;
  }

  listen() {
    const w = this.lessonWindow;
    w.addEventListener('contextmenu', (e) => {
      e.preventDefault();
      // A context menu from the keyboard comes without a pointer's place.
      if (e.button === 0 && e.clientX === 0 && e.clientY === 0)
        this.openAtFocus();
      else
        this.open(e.clientX, e.clientY, document.activeElement);
    });
    document.addEventListener('keydown', (e) => {
      // Not behind the lesson's message, which keeps the focus until it is read.
      if (!this.isOpen() && this.lessonWindow.isConnected && !document.querySelector('dialog[open]')
          && (e.key === 'ContextMenu' || (e.shiftKey && e.key === 'F10'))) {
        e.preventDefault();
        this.openAtFocus();
      }
    });
    // A long press, where the engine makes no context menu of one (Safari).
    let timer = 0, start = null;
    const cancel = () => { clearTimeout(timer); timer = 0; };
    w.addEventListener('pointerdown', (e) => {
      cancel();
      if (e.pointerType !== 'touch')
        return;
      start = [e.clientX, e.clientY];
      timer = setTimeout(() => {
        timer = 0;
        this.longPressed = true;
        this.open(start[0], start[1], document.activeElement);
      }, LONG_PRESS_MS);
    });
    w.addEventListener('pointermove', (e) => {
      if (timer && Math.hypot(e.clientX - start[0], e.clientY - start[1]) > LONG_PRESS_SLOP)
        cancel();
    });
    for (const type of ['pointerup', 'pointercancel'])
      w.addEventListener(type, cancel);
    // The press that opened the menu is not also a click, on a control or
    // on the menu that opened under the finger.
    w.addEventListener('touchend', (e) => {
      if (this.longPressed)
        e.preventDefault();
      this.longPressed = false;
    }, { passive: false });
    // A press outside the open menu closes it.
    document.addEventListener('pointerdown', (e) => {
      if (this.isOpen() && !this.menu.contains(e.target) && e.target !== this.button)
        this.close(false);
    }, true);
  }

  isOpen() { return !this.menu.hidden; }

  openAtFocus() {
    const from = document.activeElement && this.lessonWindow.contains(document.activeElement)
      ? document.activeElement : this.lessonWindow;
    const r = from.getBoundingClientRect();
    this.open(r.left, r.bottom, from);
  }

  // Opens the menu with its corner at (x, y) in the view, moved in as far as
  // it needs to show whole; the focus on the first group's checked entry.
  // alignRight: the menu's right edge at x instead of its left.
  open(x, y, returnTo, alignRight = false) {
    if (this.isOpen())
      return;
    this.returnTo = returnTo;
    this.update();
    this.menu.hidden = false;
    this.button.setAttribute('aria-expanded', 'true');
    const view = document.documentElement;
    const w = this.menu.offsetWidth, h = this.menu.offsetHeight;
    const left = alignRight ? x - w : x;
    this.menu.style.left = Math.max(0, Math.min(left, view.clientWidth - w)) + 'px';
    this.menu.style.top = Math.max(0, Math.min(y, view.clientHeight - h)) + 'px';
    (this.items.find((i) => i.getAttribute('aria-checked') === 'true') || this.items[0]).focus();
  }

  close(giveBackFocus) {
    if (!this.isOpen())
      return;
    this.menu.hidden = true;
    this.button.setAttribute('aria-expanded', 'false');
    const back = this.returnTo;
    this.returnTo = null;
    if (giveBackFocus && back && back.isConnected)
      back.focus();
  }

  // The checked entries are the settings' values now.
  update() {
    for (const item of this.items.filter((i) => i.dataset.setting))
      item.setAttribute('aria-checked',
                        String(this.settings.value(item.dataset.setting) === item.dataset.value));
  }

  // A command closes the menu first: what it shows comes after the menu.
  check(item, andClose) {
    if (item.getAttribute('aria-disabled') === 'true')
      return;
    const run = this.actions.get(item);
    if (run) {
      this.close(true);
      run();
      return;
    }
    const d = item.dataset;
    const checked = item.getAttribute('aria-checked') === 'true';
    this.settings.choose(d.setting, checked && 'off' in d ? d.off : d.value);
    this.update();
    if (andClose)
      this.close(true);
  }

  key(e) {
    const items = this.items.filter((i) => !i.hidden);
    const at = items.indexOf(document.activeElement);
    const move = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1 }[e.key];
    if (move !== undefined) {
      e.preventDefault();
      items[(move + items.length) % items.length].focus();
    } else if ((e.key === 'Enter' || e.key === ' ') && at >= 0) {
      e.preventDefault();
      this.check(items[at], e.key === 'Enter');
    } else if (e.key === 'Escape') {
      e.preventDefault();
      this.close(true);
    } else if (e.key === 'Tab') {
      e.preventDefault();
      this.close(true);
    }
  }

  // The button in the view's margin beside the window, where it fits there;
  // else the context menu alone.
  placeButton() {
    const b = this.button;
    b.hidden = false;
    const view = document.documentElement;
    const r = this.lessonWindow.getBoundingClientRect();
    const room = view.clientWidth - r.right >= b.offsetWidth + 2 * MARGIN_GAP
      || r.top >= b.offsetHeight + 2 * MARGIN_GAP;
    b.hidden = !room || !this.lessonWindow.isConnected;
  }

  remove() {
    this.menu.remove();
    this.button.remove();
  }
}
