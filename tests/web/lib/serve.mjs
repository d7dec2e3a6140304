// python3 -m http.server on a free port of 127.0.0.1, for a folder (the site
// that `make web` builds); stop() ends it.

import { spawn } from 'node:child_process';

export function serve(dir) {
  return new Promise((resolve, reject) => {
    const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', dir],
                         { stdio: ['ignore', 'pipe', 'pipe'] });
    server.stdout.on('data', (d) => {
      const m = String(d).match(/port (\d+)/);
      if (m)
        resolve({ url: `http://127.0.0.1:${m[1]}/`, stop: () => server.kill() });
    });
    server.on('exit', (code) => reject(new Error('http.server ended: ' + code)));
  });
}
