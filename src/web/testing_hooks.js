// The test build's script: the page, and the hooks the browser suites read
// it through, set up when the page says it has started. The core and the
// page for the suites, and the face's state through the test module's
// bindings. The shipped page has none of this.
import './lesson_page.js';
import { cssFamilies, facesLoaded } from './faces.js';

document.addEventListener('godojoken-started', ({ detail: { core, lesson } }) => {
  window.godojoken = { core, lesson, cssFamilies, facesLoaded };
  lesson.face.state = () => core.faceState(lesson.face);
  lesson.face.setStateForTesting = (field, value) => core.setFaceState(lesson.face, field, value);
});
