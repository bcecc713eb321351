// Runs the page's benchmarks (qelcontainer-web-bench.wasm) in headless Chromium and prints
// their output: "NAME MILLISECONDS" per line.
//
//   node bench.mjs URL_OF_THE_WASM   (scripts/web-bench.sh serves it)
import { createRequire } from 'node:module';

const puppeteer = createRequire(`${process.env.QEL_WALK_TOOLS}/`)('puppeteer-core');
const [url] = process.argv.slice(2);

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--no-first-run'],
});
try {
  const page = await browser.newPage();
  await page.goto(new URL('./', url).href);
  // The few C library calls the program makes: output, the clocks and an exit.
  const output = await page.evaluate(async (wasm) => {
    let memory = null;
    let text = '';
    const view = () => new DataView(memory.buffer);
    class Exit extends Error {}
    const wasi = {
      fd_write: (fd, iovs, count, written) => {
        let total = 0;
        for (let i = 0; i < count; ++i) {
          const pointer = view().getUint32(iovs + i * 8, true);
          const length = view().getUint32(iovs + i * 8 + 4, true);
          text += new TextDecoder().decode(new Uint8Array(memory.buffer, pointer, length));
          total += length;
        }
        view().setUint32(written, total, true);
        return 0;
      },
      clock_time_get: (clock, precision, into) => {
        view().setBigUint64(into, BigInt(Math.round(performance.now() * 1e6)), true);
        return 0;
      },
      proc_exit: (code) => { throw new Exit(String(code)); },
    };
    const module = await WebAssembly.compileStreaming(fetch(wasm));
    for (const { module: from, name } of WebAssembly.Module.imports(module)) {
      if (from === 'wasi_snapshot_preview1' && !(name in wasi)) wasi[name] = () => 52;
    }
    const instance = await WebAssembly.instantiate(module, { wasi_snapshot_preview1: wasi });
    memory = instance.exports.memory;
    try {
      instance.exports._start();
    } catch (error) {
      if (!(error instanceof Exit) || error.message !== '0') text += `exit ${error.message}\n`;
    }
    return text;
  }, url);
  process.stdout.write(output);
} finally {
  await browser.close();
}
