// A static file server for the calculator's page on 127.0.0.1 only: it serves the files of one
// folder and nothing else, index.html for the folder's own address. As a program it prints the
// page's address and runs until stopped:
//   node scripts/static-server.mjs <folder> [port] [page]
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';
import { pathToFileURL } from 'node:url';

// A service worker is registered only when it comes as JavaScript.
const kTypes = { '.html': 'text/html; charset=utf-8', '.png': 'image/png', '.json': 'application/json',
  '.js': 'text/javascript; charset=utf-8', '.webmanifest': 'application/manifest+json' };

// Resolves with { server, url } once listening; port 0 takes any free one. A test may pass
// rewrite(address, file, body) to change what a file's body is served as.
export function serve(folder, port = 0, rewrite = (address, file, body) => body) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
    const address = new URL(request.url, 'http://127.0.0.1');
    let path = decodeURIComponent(address.pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    try {
      if (!file.startsWith(root)) throw new Error('outside the folder');
      const body = rewrite(address, file, await readFile(file));
      response.writeHead(200, { 'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found\n');
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve({ server, url: `http://127.0.0.1:${server.address().port}/` }));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port = '8018', page = ''] = process.argv.slice(2);
  const { url } = await serve(folder, Number(port));
  console.log(`The calculator: ${url}${page} (Ctrl+C stops the server)`);
}
