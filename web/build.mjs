// Builds the static site into the folder given (build-web/site): the page,
// its styles, the editor and the page's scripts bundled into app.js, and the
// core module (casl2wb-web.js, its WebAssembly inside). Nothing is fetched
// when the page runs.
import { build } from 'esbuild';
import { copyFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const [site, coreModule] = process.argv.slice(2);
if (!site || !coreModule) {
  console.error('usage: node build.mjs SITE_FOLDER CORE_MODULE');
  process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
mkdirSync(site, { recursive: true });
await build({
  entryPoints: [join(here, 'src/main.js')],
  bundle: true,
  minify: true,
  format: 'iife',
  target: 'es2020',
  outfile: join(site, 'app.js'),
  logLevel: 'warning',
});
for (const file of ['index.html', 'style.css']) copyFileSync(join(here, file), join(site, file));
copyFileSync(coreModule, join(site, 'casl2wb-web.js'));
