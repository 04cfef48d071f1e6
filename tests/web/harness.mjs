// What a browser test stands on: the simulated module, the bridge to its pseudo-terminal, a
// static server for the site, the CLI, each started on a free port or device and ended by its
// own process id.
import {execFile, spawn} from 'node:child_process';
import {createReadStream, existsSync, mkdtempSync, readFileSync, rmSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import {dirname, extname, join, normalize, resolve, sep} from 'node:path';
import {fileURLToPath} from 'node:url';
import {promisify} from 'node:util';

const here = dirname(fileURLToPath(import.meta.url));

export const kBuild = resolve(process.env.BRENVOX_BUILD || join(here, '../../build'));
export const kModsim = join(kBuild, 'sim/brenvox-modsim');
export const kCli = join(kBuild, 'cli/brenvox-cli');

// Every process a test started, ended by its id when the test's process ends however it ends
// (a failed assertion, an exception, ctest's time limit), so none outlives it.
const started = new Set();

export function track(child, group = false, folder = null) {
    started.add({child, group, folder});
    child.once('exit', () => {
        for (const s of started) if (s.child === child) started.delete(s);
    });
    return child;
}

process.once('exit', () => {
    for (const {child, group, folder} of started) {
        try {
            process.kill(group ? -child.pid : child.pid, 'SIGKILL');
        } catch {
            // already gone
        }
        if (folder) rmSync(folder, {recursive: true, force: true});
    }
});
for (const signal of ['SIGINT', 'SIGTERM']) process.once(signal, () => process.exit(1));

// A folder of the test's own, private as everything that may hold a settings file.
export function scratch(name) {
    return mkdtempSync(join(tmpdir(), `brenvox-web-${name}-`));
}

// Reads a child's stdout up to its first line.
function firstLine(child, what) {
    return new Promise((resolvePromise, reject) => {
        let text = '';
        let err = '';
        child.stderr?.on('data', (d) => (err += d));
        const onData = (d) => {
            text += d;
            const nl = text.indexOf('\n');
            if (nl >= 0) {
                child.stdout.off('data', onData);
                resolvePromise(text.slice(0, nl).trim());
            }
        };
        child.stdout.on('data', onData);
        child.on('exit', (code) => reject(new Error(`${what} ended (${code}) before it was ready: ${err}`)));
    });
}

async function stop(child) {
    if (child.exitCode !== null || child.signalCode !== null) return;
    const ended = new Promise((r) => child.once('exit', r));
    child.kill('SIGTERM');
    const timer = setTimeout(() => child.kill('SIGKILL'), 5000);
    await ended;
    clearTimeout(timer);
}

// brenvox-modsim with its memory saved to `dump` after each restart and on exit, and every
// frame traced; then the bridge to its device.
export class Module {
    static async start(dir, simArgs = []) {
        const m = new Module();
        m.dump = join(dir, 'module.bin');
        m.trace = join(dir, 'module.trace');
        m.sim = track(spawn(kModsim, ['--dump', m.dump, '--trace', m.trace, ...simArgs], {stdio: ['ignore', 'pipe', 'pipe']}));
        m.device = await firstLine(m.sim, 'brenvox-modsim');
        const verbose = process.env.BRENVOX_WEB_DEBUG ? ['--verbose'] : [];
        m.bridge = track(spawn('python3', [join(here, 'serial_bridge.py'), m.device, ...verbose],
            {stdio: ['ignore', 'pipe', process.env.BRENVOX_WEB_DEBUG ? 'inherit' : 'pipe']}));
        m.bridgeUrl = await firstLine(m.bridge, 'serial_bridge.py');
        return m;
    }

    // The memory as the module saved it at its last restart.
    memory() {
        return existsSync(this.dump) ? readFileSync(this.dump) : null;
    }

    // The frames the module took in ("rx" lines of its trace).
    framesReceived() {
        if (!existsSync(this.trace)) return [];
        return readFileSync(this.trace, 'utf8').split('\n').filter((l) => / rx /.test(l));
    }

    async stop() {
        await stop(this.bridge);
        await stop(this.sim);
    }
}

// The serial stand-in's text, bound to one bridge.
export function standIn(bridgeUrl) {
    return readFileSync(join(here, 'serial_standin.js'), 'utf8').replaceAll('__BRENVOX_BRIDGE_URL__', bridgeUrl);
}

const kTypes = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
    '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
    '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
    '.ico': 'image/x-icon', '.txt': 'text/plain; charset=utf-8',
};

// Plain files from root on a free port of 127.0.0.1, with nothing but the content type: the site
// must work on any web server.
export async function serveStatic(root) {
    const server = createServer((req, res) => {
        const path = normalize(join(root, decodeURIComponent(new URL(req.url, 'http://x').pathname)));
        let file = path;
        if (!(path + sep).startsWith(root + sep) && path !== root) {
            res.writeHead(403).end();
            return;
        }
        if (existsSync(file) && statSync(file).isDirectory()) file = join(file, 'index.html');
        if (!existsSync(file)) {
            res.writeHead(404).end();
            return;
        }
        res.writeHead(200, {'Content-Type': kTypes[extname(file)] || 'application/octet-stream',
            'Content-Length': statSync(file).size});
        createReadStream(file).pipe(res);
    });
    await new Promise((r) => server.listen(0, '127.0.0.1', r));
    // Closing also ends the browser's idle connections: the server is gone at once, as when the
    // person's laptop goes off the network.
    return {url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((r) => {
        server.close(r);
        server.closeAllConnections();
    })};
}

// brenvox-cli with its arguments, in the C locale (Polish); resolves with {stdout, stderr, code}.
export async function cli(args, options = {}) {
    try {
        const {stdout, stderr} = await promisify(execFile)(kCli, args,
            {env: {...process.env, LC_ALL: 'C.UTF-8', LANGUAGE: ''}, ...options});
        return {stdout, stderr, code: 0};
    } catch (e) {
        if (typeof e.code !== 'number') throw e;
        return {stdout: e.stdout, stderr: e.stderr, code: e.code};
    }
}

export function removeScratch(dir) {
    rmSync(dir, {recursive: true, force: true});
}
