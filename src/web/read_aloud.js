// Read-aloud on the page: the browser's speechSynthesis, with a voice whose
// language is Japanese ("ja", "ja-JP"), one on the device itself where there
// is one, so that it reads offline. It is handed kana from the core's
// readings, never text to guess at. Speaking never holds up the lesson: a
// new press cuts off what is being read, and the caption being read is
// marked while it is. iOS speaks only in answer to a pupil's action, which
// every press is.

export class ReadAloud {
  // onNoVoice(): called once, the first time there is something to read and
  // the device has no Japanese voice.
  constructor(onNoVoice) {
    this.onNoVoice = onNoVoice;
    this.factor = 1;
    this.marked = null;
    this.told = false;
    this.synth = window.speechSynthesis || null;
  }

  // The Japanese voice to read with: undefined while the engine has not
  // listed its voices yet (it then picks one for the language itself), null
  // where it has none.
  voice() {
    const voices = this.synth ? this.synth.getVoices() : [];
    if (this.synth && voices.length === 0)
      return undefined;
    const ja = voices.filter((v) => /^ja\b/i.test(v.lang.replace('_', '-')));
    return ja.find((v) => v.localService) || ja[0] || null;
  }

  // Reads `parts` ([kana, …]) one after the other, with `mark` marked
  // while the first is read.
  say(parts, mark) {
    this.stop();
    const voice = this.voice();
    if (voice === null) {
      if (!this.told) {
        this.told = true;
        this.onNoVoice();
      }
      return;
    }
    parts.forEach((text, i) => {
      const u = new SpeechSynthesisUtterance(text);
      if (voice)
        u.voice = voice;
      u.lang = voice ? voice.lang : document.documentElement.lang; // the page's own, ja
      u.rate = this.factor;
      if (i === 0 && mark) {
        u.addEventListener('start', () => this.mark(mark));
        for (const type of ['end', 'error'])
          u.addEventListener(type, () => this.mark(null));
      }
      this.synth.speak(u);
    });
  }

  stop() {
    this.mark(null);
    if (this.synth && (this.synth.speaking || this.synth.pending))
      this.synth.cancel();
  }

  mark(el) {
    if (this.marked)
      this.marked.classList.remove('reading');
    this.marked = el;
    if (el)
      el.classList.add('reading');
  }
}
