// The test build's hooks, run once the page has started: the core and the
// page for the browser suites, and the face's state through the test
// module's bindings. The shipped page has none of this.
window.godojoken = { core: c, lesson, cssFamilies, facesLoaded };
lesson.face.state = () => c.faceState(lesson.face);
lesson.face.setStateForTesting = (field, value) => c.setFaceState(lesson.face, field, value);
